// The window as a technician works it at the desk, in German and English: the
// whole job by keyboard, Tab in reading order with the roster following the
// focus, and no text cut off at the default, the smallest or a full-screen
// size. The layout cases leave screenshots in layout/ beside the test.

#include "configurationdocument.h"
#include "languageapplication.h"
#include "mainwindow.h"
#include "modalanswerer.h"
#include "namedchild.h"
#include "ptypeer.h"
#include "testhome.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QScopeGuard>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

namespace {

void speak(MainWindow &window, const QString &language)
{
    child<QAction>(window, language == QLatin1String("en") ? "actionEnglisch" : "actionDeutsch")
        ->trigger();
    QCoreApplication::processEvents();
}

// "3:addressEdit" for a field of attendee 3, the object name elsewhere.
QString fieldName(const QWidget *w, const QListWidget *roster)
{
    while (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_")))
        w = w->parentWidget();
    const QWidget *row = w;
    while (row && row->parentWidget() != roster->viewport())
        row = row->parentWidget();
    return (row ? QString::number(roster->indexAt(row->pos()).row()) + ':' : QString())
        + w->objectName();
}

// Labels and buttons narrower than their text, wrapped labels lower than it.
QStringList clippedTexts(const QWidget &window)
{
    QStringList clipped;
    for (const QWidget *w : window.findChildren<QWidget *>()) {
        const auto *label = qobject_cast<const QLabel *>(w);
        const auto *button = qobject_cast<const QAbstractButton *>(w);
        const QString text = label ? label->text() : button ? button->text() : QString();
        if (text.isEmpty() || !w->isVisibleTo(&window))
            continue;
        const bool wraps = label && label->wordWrap();
        // Where the options' names do not fit, their number stands whole.
        const bool brief = w->inherits("FoldButton");
        if (w->width() < (wraps || brief ? w->minimumSizeHint() : w->sizeHint()).width()
            || (wraps && w->height() < w->heightForWidth(w->width())))
            clipped << text;
    }
    return clipped;
}

} // namespace

class TestWindowDesktop : public QObject
{
    Q_OBJECT

private slots:
    void tabFollowsReadingOrder()
    {
        const int unfolded = 4;
        // The disabled signalling boxes never take the focus.
        QString order = "0:numberEdit1 0:numberEdit2 0:optionsButton";
        for (int attendee = 1; attendee <= 9; ++attendee) {
            order += QString(
                " %1:numberEdit1 %1:numberEdit2 %1:addressLabel %1:addressEdit %1:optionsButton")
                         .arg(attendee);
            // Space on the summary unfolded the boxes, next in line.
            if (attendee == unfolded)
                order += QString(" %1:priorityBox %1:nightBox %1:callBox %1:featureBox")
                             .arg(attendee);
        }
        order += " passwordEdit buttonLogin comboPort spinMaxCall spinRedirect dialBox "
                 "buttonRequest buttonTransmit contentEdit buttonClear 0:numberEdit1";
        const QStringList expected = order.split(' ');

        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto *roster = child<QListWidget>(window, "listWidget");
        const auto rowHeight
            = [roster](int row) { return roster->visualItemRect(roster->item(row)).height(); };
        QStringList visited;
        while (visited.size() < expected.size()) {
            QWidget *focus = QApplication::focusWidget();
            visited << fieldName(focus, roster);
            // The roster scrolls the field into sight.
            QVERIFY2(!focus->visibleRegion().isEmpty(), qPrintable(visited.last()));
            if (visited.last() == QString("%1:optionsButton").arg(unfolded))
                QTest::keyClick(focus, Qt::Key_Space);
            QTest::keyClick(focus, Qt::Key_Tab);
        }
        QCOMPARE(visited, expected);
        QVERIFY(rowHeight(unfolded) > rowHeight(unfolded + 1));
        // The unfolded boxes take the room to scroll; a notch of the wheel moves one row.
        QScrollBar *bar = roster->verticalScrollBar();
        bar->setValue(0);
        QWheelEvent notch({ 5, 5 }, roster->viewport()->mapToGlobal(QPointF(5, 5)), {}, { 0, -120 },
            Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(roster->viewport(), &notch);
        QVERIFY(qAbs(bar->value() - rowHeight(unfolded + 1)) < QApplication::wheelScrollLines());
        // Once more folds them away.
        QTest::keyClick(entryChild(window, unfolded, "optionsButton"), Qt::Key_Space);
        QTRY_COMPARE(rowHeight(unfolded), rowHeight(unfolded + 1));
    }

    void keysReachTheirTargets_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<QString>("title"); // of the dialog that comes up; none: the window closes

        QTest::newRow("open") << "de" << QKeySequence(QKeySequence::Open) << "Datei laden";
        QTest::newRow("save") << "de" << QKeySequence(QKeySequence::Save) << "Datei speichern";
        QTest::newRow("quit") << "en" << QKeySequence("Ctrl+Q") << "";
        // Logged out, "Schreiben" asks for the login.
        QTest::newRow("Schreiben") << "de" << QKeySequence("Alt+S") << "Einloggen";
        // To the password field, where Enter logs in with too few digits.
        QTest::newRow("Enter") << "de" << QKeySequence("Alt+M, Return") << "Passwort";
    }

    void keysReachTheirTargets()
    {
        QFETCH(QString, language);
        QFETCH(QKeySequence, keys);
        QFETCH(QString, title);

        MainWindow window;
        speak(window, language);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyClicks(child<QWidget>(window, "passwordEdit"), "12");
        ModalAnswerer answerer;

        for (int i = 0; i < keys.count(); ++i)
            QTest::keyClick(
                QApplication::focusWidget(), keys[i].key(), keys[i].keyboardModifiers());

        // A button clicks a moment after its key.
        if (title.isEmpty())
            QTRY_VERIFY(!window.isVisible());
        else
            QTRY_COMPARE(answerer.titles(), QStringList { title });
    }

    void mnemonicsDoNotClash()
    {
        for (const char *language : { "de", "en" }) {
            MainWindow window;
            speak(window, QLatin1String(language));

            // Each menu on its own; the menu bar with the buttons and labelled fields.
            QList<QStringList> areas { {} };
            for (const QAction *menu : child<QMenuBar>(window, "menuBar")->actions()) {
                areas.first() << menu->text();
                areas << QStringList();
                for (const QAction *action : menu->menu()->actions())
                    areas.last() << action->text();
                areas.last().removeAll(QString()); // separators
            }
            const QWidget *column = child<QWidget>(window, "frame");
            for (const QAbstractButton *button : column->findChildren<QAbstractButton *>())
                areas.first() << button->text();
            for (const QLabel *label : column->findChildren<QLabel *>())
                areas.first() << (label->buddy() ? label->text() : QString());
            areas.first().removeAll(QString());

            for (const QStringList &texts : areas) {
                QList<QKeySequence> seen;
                for (const QString &text : texts) {
                    seen << QKeySequence::mnemonic(text);
                    QVERIFY2(!seen.last().isEmpty() && seen.count(seen.last()) == 1,
                        qPrintable(language + (": " + text)));
                }
            }
        }
    }

    void noTextClipped_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("dark");
        for (const char *language : { "de", "en" }) {
            for (const bool dark : { false, true }) {
                const char *scheme = dark ? "dark" : "light";
                // About the smallest the window goes: all ten rows still in sight.
                QTest::addRow("%s 650x446 %s", language, scheme)
                    << language << QSize(650, 446) << dark;
                QTest::addRow("%s default %s", language, scheme) << language << QSize() << dark;
                // Maximised on a screen of 1366 x 768, below a title bar.
                QTest::addRow("%s maximised %s", language, scheme)
                    << language << QSize(1366, 744) << dark;
                QTest::addRow("%s full screen %s", language, scheme)
                    << language << QSize(1920, 1080) << dark;
            }
        }
    }

    // Also leaves the screenshots: layout/de-default-light.png, and at twice
    // the scale de-default-light-scale2.png.
    void noTextClipped()
    {
        QFETCH(QString, language);
        QFETCH(QSize, size);
        QFETCH(bool, dark);

        const QPalette light = QApplication::palette();
        const auto restore = qScopeGuard([&] { QApplication::setPalette(light); });
        if (dark) // light text on dark grey and black, as a dark desktop scheme has it
            QApplication::setPalette(QPalette(QColor(0x35, 0x35, 0x35)));
        MainWindow window;
        speak(window, language);
        window.document()->edit({ ConfigurationField::StatusByte, 2, QString(), 0x3D });
        window.document()->edit({ ConfigurationField::StatusByte, 3, QString(), 0x1C });
        window.document()->edit({ ConfigurationField::CallNumber2, 1, "017611115" });
        window.resize(size.isValid() ? size : window.size());
        // With room to spare, the boxes unfolded below their row.
        if (size.width() > 1000)
            entryChild<QAbstractButton>(window, 2, "optionsButton")->click();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        const QString folder = QCoreApplication::applicationDirPath() + "/layout/";
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(window.grab().save(folder + QString(QTest::currentDataTag()).replace(' ', '-')
            + (window.devicePixelRatio() > 1 ? "-scale2.png" : ".png")));
        const QStringList clipped = clippedTexts(window);
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(" | ")));
        auto *roster = child<QListWidget>(window, "listWidget");
        QVERIFY(!roster->horizontalScrollBar()->isVisible()); // nothing cut off at the side
        // Every row in sight, each heading over its column in every row, the
        // switches at least three times the 34 x 18 pixels they once had.
        const auto span = [&window](const QWidget *first, const QWidget *last) {
            return std::pair(first->mapTo(&window, QPoint()).x(),
                last->mapTo(&window, QPoint(last->width(), 0)).x());
        };
        for (int row = 0; row < roster->count(); ++row) {
            QVERIFY(roster->viewport()->rect().contains(roster->visualItemRect(roster->item(row))));
            const QWidget &panel = *roster->itemWidget(roster->item(row));
            for (const auto &[heading, first, last] :
                { std::tuple { "headingNumber1", "numberEdit1", "numberEdit1" },
                    { "headingNumber2", "numberEdit2", "numberEdit2" },
                    { "headingAddress", "addressLabel", "addressEdit" },
                    { "headingOptions", "optionsButton", "optionsButton" } }) {
                if (row == 0 && QByteArray(first) == "addressLabel")
                    continue; // the master has none
                const auto *above = child<QWidget>(window, heading);
                QCOMPARE(span(above, above),
                    span(child<QWidget>(panel, first), child<QWidget>(panel, last)));
            }
            if (row == 0)
                continue;
            const auto *switches = child<QWidget>(panel, "addressLabel");
            QVERIFY(size.height() < 500 || switches->width() * switches->height() >= 3 * 34 * 18);
            // Taller rows where the window has room, the switches with them.
            QVERIFY(size.width() < 1000 || switches->height() > switches->minimumHeight());
        }
        // The call number shows whole: from its start to its end the cursor
        // travels the width of all its digits.
        auto *number = entryChild<QLineEdit>(window, 1, "numberEdit2");
        const auto cursorAt = [number](int position) {
            number->setCursorPosition(position);
            number->grab();
            return number->inputMethodQuery(Qt::ImCursorRectangle).toRect().x();
        };
        const int start = cursorAt(0);
        QCOMPARE(cursorAt(number->text().size()) - start,
            number->fontMetrics().horizontalAdvance(number->text()));
        // Room to spare goes to both call numbers alike, to the pixel.
        const int difference = entryChild(window, 1, "numberEdit1")->width() - number->width();
        QVERIFY(size.width() < 1000 || qAbs(difference) <= 1);
    }
};

int main(int argc, char **argv)
{
    LanguageApplication app(argc, argv);
    // The program's font, with which its layout is made.
    QApplication::setFont(QFont("Arial", 8));
    TestHome home;
    // A port that opens, so that no warning comes up.
    PtyPeer port;
    qputenv("VXCONFIG_PORTS", port.portName().toLocal8Bit());
    TestWindowDesktop test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_windowdesktop.moc"
