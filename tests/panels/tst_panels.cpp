// The roster's panels and the password dialog as a user types into them: what
// each field keeps, the address switches, the folded options.

#include "attendeewidget.h"
#include "callnumbervalidator.h"
#include "foldbutton.h"
#include "kelvoaddresslabel.h"
#include "masterwidget.h"
#include "passworddialog.h"

#include <QAccessible>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTranslator>

#include <memory>

namespace {

// QTest::keyClicks() takes Latin-1 only; a user with another keyboard layout
// types other characters, which arrive as key events carrying just the text.
void typeText(QWidget *widget, const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(widget, c.toLatin1());
            continue;
        }
        for (const QEvent::Type type : { QEvent::KeyPress, QEvent::KeyRelease }) {
            QKeyEvent event(type, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QCoreApplication::sendEvent(widget, &event);
        }
    }
}

// An attendee panel hosted in a list row, as the roster builds it.
struct AttendeeRow
{
    explicit AttendeeRow(int attendee)
    {
        auto *item = new QListWidgetItem;
        panel = new AttendeeWidget(attendee, item);
        list.addItem(item);
        list.setItemWidget(item, panel);
        list.resize(600, 400);
        list.show();
        settle();
    }

    template<typename T = QCheckBox>
    T *child(const char *name) const
    {
        return panel->findChild<T *>(QLatin1String(name));
    }

    QLineEdit *addressEdit() const { return child<QLineEdit>("addressEdit"); }
    KelvoAddressLabel *switches() const { return child<KelvoAddressLabel>("addressLabel"); }
    int rowHeight() const { return list.item(0)->sizeHint().height(); }
    bool optionsShown() const { return !child("callBox")->visibleRegion().isEmpty(); }

    // The list lays out its rows from a zero timer.
    static void settle() { QCoreApplication::processEvents(); }

    QListWidget list;
    AttendeeWidget *panel = nullptr;
};

} // namespace

class TestPanels : public QObject
{
    Q_OBJECT

private slots:
    void foldingFollowsOptionsButton()
    {
        AttendeeRow row(7);
        QCOMPARE(row.child<QLabel>("attendeeLabel")->text(), QStringLiteral("Teilnehmer 7"));
        QCOMPARE(row.addressEdit()->text(), QString());
        QCOMPARE(row.switches()->getAddressName(), QStringLiteral("A1"));
        const int folded = row.rowHeight();
        QCOMPARE(folded, row.panel->minimumSizeHint().height());
        QCOMPARE(row.panel->height(), folded);
        // Folded away by the layout, not hidden.
        QVERIFY(row.child("callBox")->isVisible());
        QVERIFY(!row.optionsShown());

        auto *button = row.child<FoldButton>("optionsButton");
        button->click();
        row.settle();
        QVERIFY(row.rowHeight() > folded);
        QCOMPARE(row.panel->height(), row.rowHeight());
        for (const char *name :
            { "signalBox", "priorityBox", "nightBox", "callBox", "featureBox" }) {
            QCheckBox *box = row.child(name);
            QVERIFY2(
                box->visibleRegion().boundingRect().height() >= box->sizeHint().height(), name);
        }

        button->click();
        row.settle();
        QCOMPARE(row.rowHeight(), folded);
        QVERIFY(!row.optionsShown());

        // The ticked options in the button, or their number where a row has
        // no room for their names.
        const auto summary = [&] { return QStringList { button->text(), button->briefSummary() }; };
        QCOMPARE(summary(), QStringList({ "keine", "keine" }));
        row.panel->showEntry({ {}, {}, {}, 0x2D });
        // Only a file or the adapter sets the signalling flag, never the user.
        QVERIFY(row.child("signalBox")->isChecked() && !row.child("signalBox")->isEnabled());
        QCOMPARE(summary(),
            QStringList({ "Rufsignalisierung AUS, Auf Master umleiten, Rufweiterschaltung, "
                          "Erweiterte Funktionen (Teilnehmer Passwort) Freischalten",
                "4 Optionen" }));
        row.child("callBox")->click();
        row.child("featureBox")->click();
        QCOMPARE(
            summary(), QStringList({ "Rufsignalisierung AUS, Auf Master umleiten", "2 Optionen" }));
    }

    void typedAddressMovesSwitches_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("switches");
        const auto row = [](const char *name, const char *keys, const char *text, const char *at) {
            QTest::newRow(name) << QString(keys) << QString(text) << QString(at);
        };
        row("a lone letter leaves the rest position", "c", "C", "A1");
        row("number first keeps its order", "12b", "12B", "B12");
        row("the validator stops at 24", "i25", "I2", "I2");
        row("clearing", "b12\b\b\b", "", "A1");
    }

    void typedAddressMovesSwitches()
    {
        QFETCH(QString, keys);
        QFETCH(QString, text);
        QFETCH(QString, switches);

        AttendeeRow row(2);
        QTest::keyClicks(row.addressEdit(), keys);

        QCOMPARE(row.addressEdit()->text(), text);
        QCOMPARE(row.switches()->getAddressName(), switches);
    }

    void switchesWriteAddress()
    {
        AttendeeRow row(3);
        KelvoAddressLabel *label = row.switches();
        // Three times the 34 x 18 pixels a row once gave them.
        QVERIFY(label->width() * label->height() >= 3 * 34 * 18);

        // Each switch of the number to the middle row: 27, which cannot be typed.
        for (const Qt::Key key :
            { Qt::Key_Down, Qt::Key_Right, Qt::Key_Down, Qt::Key_Right, Qt::Key_Down })
            QTest::keyClick(label, key);
        QCOMPARE(row.addressEdit()->text(), QStringLiteral("A27"));
        // A click chooses the switch the keys work.
        QTest::mouseClick(label, Qt::LeftButton, {}, label->contentRect().topRight().toPoint());
        QTest::keyClick(label, Qt::Key_Down);
        QCOMPARE(row.addressEdit()->text(), QStringLiteral("C27"));
    }

    // Each box stands for its bit of the status byte, as the adapter and the
    // files have it.
    void optionBits()
    {
        const std::pair<const char *, int> boxes[] = { { "nightBox", 0x01 }, { "signalBox", 0x04 },
            { "callBox", 0x08 }, { "priorityBox", 0x10 }, { "featureBox", 0x20 } };
        MasterWidget master;
        AttendeeWidget attendee(5, nullptr);
        for (EntryPanel *panel : std::initializer_list<EntryPanel *> { &master, &attendee }) {
            for (const auto &[name, bit] : boxes) {
                auto *box = panel->findChild<QCheckBox *>(name);
                if (!box && panel == &master && bit == 0x20)
                    continue; // the master has no extended functions
                QVERIFY2(box, name);
                ConfigurationEntry entry;
                entry.statusByte = byte(bit);
                panel->showEntry(entry);
                for (const QCheckBox *other : panel->findChildren<QCheckBox *>())
                    QVERIFY2(other->isChecked() == (other == box), name);
                panel->showEntry({});
                QSignalSpy edited(panel, &EntryPanel::edited);
                box->setEnabled(true);
                box->click();
                QCOMPARE(edited.size(), 1);
                const auto change = edited.first().first().value<ConfigurationChange>();
                QCOMPARE(QList<int>({ change.bits, change.number }), QList<int>({ bit, bit }));
            }
        }
    }

    void accessibleNames_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption"); // the label a reader names it by, if any
        QTest::addColumn<QString>("tip"); // the limit a call number's tooltip names
        // clang-format off
        QTest::newRow("de 4 numberEdit2") << "de" << 4 << "numberEdit2" << "Teilnehmer 4, Rufnummer 2" << "Rufnummer 2" << "Bis zu 22 Ziffern";
        QTest::newRow("en 0 numberEdit1") << "en" << 0 << "numberEdit1" << "Master, Call number 1" << "Call number 1" << "Up to 4 digits";
        QTest::newRow("en 0 callBox") << "en" << 0 << "callBox" << "Master, Call forwarding" << "" << "";
        QTest::newRow("en 9 addressEdit") << "en" << 9 << "addressEdit" << "Attendee 9, Bus address" << "Bus address" << "";
        QTest::newRow("en 9 addressLabel") << "en" << 9 << "addressLabel" << "Attendee 9, DIP switches" << "" << "";
        QTest::newRow("de 1 featureBox") << "de" << 1 << "featureBox" << "Teilnehmer 1, Erweiterte Funktionen (Teilnehmer Passwort) Freischalten" << "" << "";
        QTest::newRow("de 2 optionsButton") << "de" << 2 << "optionsButton" << "Teilnehmer 2, Optionen" << "" << "";
        // clang-format on
    }

    // What a screen reader reads for each field, after a switch of language.
    void accessibleNames()
    {
        QFETCH(QString, language);
        QFETCH(int, entry);
        QFETCH(QString, field);
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, tip);

        const std::unique_ptr<QWidget> panel(entry == 0 ? static_cast<QWidget *>(new MasterWidget)
                                                        : new AttendeeWidget(entry, nullptr));
        QTranslator english;
        QVERIFY(english.load(
            "vxasoft_en_EN", qEnvironmentVariable("VXCONFIG_DATA_DIR") + "/translation"));
        if (language == "en")
            QCoreApplication::installTranslator(&english);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);

        const auto nameOf = [](QWidget *w) {
            return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
        };
        auto *widget = panel->findChild<QWidget *>(field);
        QCOMPARE(nameOf(widget), name);
        const auto labels
            = QAccessible::queryAccessibleInterface(widget)->relations(QAccessible::Label);
        QCOMPARE(
            labels.isEmpty() ? QString() : labels.first().first->text(QAccessible::Name), caption);
        QVERIFY(tip.isEmpty() || widget->toolTip() == tip);
        // Every field and box of the panel names its entry.
        const QString entryName = name.section(", ", 0, 0) + ", ";
        for (QWidget *w : panel->findChildren<QWidget *>()) {
            if (w->inherits("QLineEdit") || w->inherits("QAbstractButton")
                || w->inherits("KelvoAddressLabel"))
                QVERIFY2(nameOf(w).startsWith(entryName), qPrintable(w->objectName()));
        }
    }

    void callNumberTyping_data()
    {
        QTest::addColumn<int>("maxLength");
        QTest::addColumn<QString>("initial");
        QTest::addColumn<int>("cursor");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char *name, int maxLength, const char *initial, int cursor,
                             const QString &keys, const QString &expected) {
            QTest::newRow(name) << maxLength << QString(initial) << cursor << keys << expected;
        };
        row("four digits fill the field", 4, "", 0, "1234", "1234");
        row("a fifth digit at the end is dropped", 4, "", 0, "12345", "1234");
        row("letter, blank, plus and hyphen are dropped", 4, "", 0, "1a 2+-3", "123");
        row("a non-digit inside the text is dropped", 4, "1234", 2, "x", "1234");
        row("the maximum binds only at the cursor", 4, "1234", 1, "5", "15234");
        row("typing inside a full field stops at the maximum", 4, "1234", 3, "56", "12354");
        row("digits of other scripts count", 4, "", 0, "0\uFF13\uFF17", "0\uFF13\uFF17");
        row("a number field holds 22 digits", 22, "", 0, "123456789012345678901234",
            "1234567890123456789012");
        row("a text set by the program is not judged as a whole", 4, "1a", 2, "3", "1a3");
        row("cleared, the field waits for a digit", 4, "", 0, "12\b\b", "");
    }

    void callNumberTyping()
    {
        QFETCH(int, maxLength);
        QFETCH(QString, initial);
        QFETCH(int, cursor);
        QFETCH(QString, keys);
        QFETCH(QString, expected);

        QLineEdit edit;
        CallNumberValidator validator(maxLength);
        edit.setValidator(&validator);
        edit.setText(initial);
        edit.setCursorPosition(cursor);

        typeText(&edit, keys);

        QCOMPARE(edit.text(), expected);
        QCOMPARE(edit.hasAcceptableInput(), !expected.isEmpty());
    }

    // The dialog sets the adapter's master password, which the user must later
    // type into a four-digit login field.
    void passwordTyping_data()
    {
        QTest::addColumn<QString>("passwordKeys");
        QTest::addColumn<int>("cursor");
        QTest::addColumn<QString>("confirmKeys");
        QTest::addColumn<QString>("passwordEdits"); // after the confirmation
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("okEnabled");
        QTest::addColumn<QString>("colour"); // none until the confirmation is first edited
        const auto row = [](const char *name, const char *keys, int cursor, const QString &confirm,
                             const char *edits, const char *typed, bool ok, const char *colour) {
            QTest::newRow(name) << QString(keys) << cursor << confirm << QString(edits)
                                << QString(typed) << ok << QString(colour);
        };
        row("untouched", "", 0, "", "", "", false, "");
        row("password only", "1234", 4, "", "", "", false, "");
        row("equal", "1234", 4, "1234", "", "1234", true, "green");
        row("different", "1234", 4, "1235", "", "1235", false, "red");
        row("equal but short", "123", 3, "123", "", "123", false, "red");
        row("letters and blanks dropped", "1a2 3-4", 4, "1A2b34", "", "1234", true, "green");
        row("fifth digit dropped", "12345", 4, "12345", "", "1234", true, "green");
        row("fifth digit inside dropped", "12345", 1, "12345", "", "1234", true, "green");
        row("digits of other scripts dropped", "", 0, "\uFF11\uFF12\uFF13\uFF14", "", "", false,
            "");
        row("password edited afterwards", "1234", 4, "1234", "\b5", "1234", false, "red");
        row("password edited back", "1234", 4, "1234", "\b5\b4", "1234", true, "green");
    }

    void passwordTyping()
    {
        QFETCH(QString, passwordKeys);
        QFETCH(int, cursor);
        QFETCH(QString, confirmKeys);
        QFETCH(QString, passwordEdits);
        QFETCH(QString, typed);
        QFETCH(bool, okEnabled);
        QFETCH(QString, colour);

        PasswordDialog dialog;
        auto *password = dialog.findChild<QLineEdit *>(QStringLiteral("passwordEdit"));
        auto *confirm = dialog.findChild<QLineEdit *>(QStringLiteral("confirmEdit"));
        // The last key goes in at the cursor, after the others filled the field.
        typeText(password, passwordKeys.chopped(qMin(1, passwordKeys.size())));
        password->setCursorPosition(cursor);
        typeText(password, passwordKeys.right(1));
        typeText(confirm, confirmKeys);
        typeText(password, passwordEdits);

        QCOMPARE(confirm->text(), typed);
        QCOMPARE(dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->isEnabled(),
            okEnabled);
        QCOMPARE(confirm->styleSheet().section(' ', 1).remove(';'), colour);
        QCOMPARE(dialog.password(), typed);
    }
};

QTEST_MAIN(TestPanels)
#include "tst_panels.moc"
