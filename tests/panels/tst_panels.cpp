#include "attendeewidget.h"
#include "faketranslator.h"
#include "kelvoaddresslabel.h"
#include "masterwidget.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

namespace {

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
    void foldingFollowsFeatureBox();
    void typedAddressMovesSwitches_data();
    void typedAddressMovesSwitches();
    void draggedSwitchesWriteAddress();
    void languageChangeKeepsValues();
};

void TestPanels::foldingFollowsFeatureBox()
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

    row.child("featureBox")->click();
    row.settle();
    QVERIFY(row.rowHeight() > folded);
    QCOMPARE(row.panel->height(), row.rowHeight());
    for (const char *name : { "signalBox", "priorityBox", "nightBox", "callBox" }) {
        QCheckBox *box = row.child(name);
        QVERIFY2(box->visibleRegion().boundingRect().height() >= box->sizeHint().height(), name);
    }

    row.child("featureBox")->click();
    row.settle();
    QCOMPARE(row.rowHeight(), folded);
    QVERIFY(!row.optionsShown());

    // Options a file or the adapter sets stay in sight while folded away.
    const auto summary = [&] { return row.child<QLabel>("summaryLabel")->text(); };
    QCOMPARE(summary(), QString());
    row.panel->setStatusByte(0x0D);
    // Only a file or the adapter sets the signalling flag, never the user.
    QVERIFY(row.child("signalBox")->isChecked() && !row.child("signalBox")->isEnabled());
    QCOMPARE(summary(),
        QStringLiteral("Optionen: Rufsignalisierung AUS, Auf Master umleiten, Rufweiterschaltung"));
    row.child("featureBox")->click();
    QCOMPARE(summary(), QString());
    row.child("callBox")->click();
    row.child("featureBox")->click();
    QCOMPARE(summary(), QStringLiteral("Optionen: Rufsignalisierung AUS, Auf Master umleiten"));
}

void TestPanels::typedAddressMovesSwitches_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("switches");

    QTest::newRow("a lone letter leaves the rest position") << "c"
                                                            << "C"
                                                            << "A1";
    QTest::newRow("letter and number") << "c1"
                                       << "C1"
                                       << "C1";
    QTest::newRow("number first keeps its order") << "12b"
                                                  << "12B"
                                                  << "B12";
    QTest::newRow("the validator stops at 24") << "i25"
                                               << "I2"
                                               << "I2";
    QTest::newRow("clearing") << "b12\b\b\b"
                              << ""
                              << "A1";
}

void TestPanels::typedAddressMovesSwitches()
{
    QFETCH(QString, keys);
    QFETCH(QString, text);
    QFETCH(QString, switches);

    AttendeeRow row(2);
    QTest::keyClicks(row.addressEdit(), keys);

    QCOMPARE(row.addressEdit()->text(), text);
    QCOMPARE(row.switches()->getAddressName(), switches);
}

void TestPanels::draggedSwitchesWriteAddress()
{
    AttendeeRow row(3);
    KelvoAddressLabel *label = row.switches();
    const QSizeF cell = label->cellSize();
    QVERIFY(cell.height() > 1);
    const auto centre = [&](int column, int row) {
        return (label->contentRect().topLeft()
            + QPointF((column + 0.5) * cell.width(), (row + 0.5) * cell.height()))
            .toPoint();
    };

    // Each switch of the number to the middle row: 27, which cannot be typed.
    for (int column = 0; column < 3; ++column) {
        QTest::mousePress(label, Qt::LeftButton, {}, centre(column, 0));
        QTest::mouseMove(label, centre(column, 1));
        QTest::mouseRelease(label, Qt::LeftButton, {}, centre(column, 1));
    }

    QCOMPARE(row.addressEdit()->text(), QStringLiteral("A27"));
}

void TestPanels::languageChangeKeepsValues()
{
    AttendeeRow row(7);
    MasterWidget master;
    row.panel->setStatusByte(0x01);
    QTest::keyClicks(row.child<QLineEdit>("numberEdit1"), "12a34567");
    QTest::keyClicks(row.addressEdit(), "12b");
    QTest::keyClicks(master.findChild<QLineEdit *>(QStringLiteral("numberEdit2")), "0815");

    FakeTranslator english;
    english.add("AttendeeWidget", "Teilnehmer %1", QStringLiteral("Attendee %1"));
    english.add("AttendeeWidget", "Auf Master umleiten", QStringLiteral("Redirect to master"));
    english.add("AttendeeWidget", "Optionen: %1", QStringLiteral("Options: %1"));
    english.add("MasterWidget", "Alle Teilnehmer auf Master umleiten",
        QStringLiteral("Redirect all attendees to master"));
    QVERIFY(switchLanguage(&english));

    QCOMPARE(row.child<QLabel>("attendeeLabel")->text(), QStringLiteral("Attendee 7"));
    QCOMPARE(
        row.child<QLabel>("summaryLabel")->text(), QStringLiteral("Options: Redirect to master"));
    QCOMPARE(master.findChild<QCheckBox *>(QStringLiteral("nightBox"))->text(),
        QStringLiteral("Redirect all attendees to master"));
    QCOMPARE(row.child<QLineEdit>("numberEdit1")->text(), QStringLiteral("1234"));
    QCOMPARE(row.addressEdit()->text(), QStringLiteral("12B"));
    QCOMPARE(row.switches()->getAddressName(), QStringLiteral("B12"));
    QCOMPARE(master.findChild<QLineEdit *>(QStringLiteral("numberEdit2"))->text(),
        QStringLiteral("0815"));
    QVERIFY(!master.findChild<QCheckBox *>(QStringLiteral("signalBox"))->isEnabled());

    QVERIFY(switchLanguage(&english, false));
    QCOMPARE(row.child<QLabel>("attendeeLabel")->text(), QStringLiteral("Teilnehmer 7"));
}

QTEST_MAIN(TestPanels)
#include "tst_panels.moc"
