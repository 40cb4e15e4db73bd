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
    void draggedSwitchesWriteAddress_data();
    void draggedSwitchesWriteAddress();
    void signalBoxStaysDisabled();
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
    QTest::newRow("a lone number leaves the rest position") << "12"
                                                            << "12"
                                                            << "A1";
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

void TestPanels::draggedSwitchesWriteAddress_data()
{
    // Each drag takes the lever of one switch (x) from the top to a row (y).
    QTest::addColumn<QList<QPoint>>("drags");
    QTest::addColumn<QString>("text");

    QTest::newRow("rightmost to the bottom row") << QList<QPoint> { { 4, 2 } } << "B1";
    QTest::newRow("rightmost to the middle row") << QList<QPoint> { { 4, 1 } } << "C1";
    QTest::newRow("a number that cannot be typed")
        << QList<QPoint> { { 0, 1 }, { 1, 1 }, { 2, 1 } } << "A27";
}

void TestPanels::draggedSwitchesWriteAddress()
{
    QFETCH(QList<QPoint>, drags);
    QFETCH(QString, text);

    AttendeeRow row(3);
    KelvoAddressLabel *label = row.switches();
    const QSizeF cell = label->cellSize();
    QVERIFY(cell.height() > 1);
    const auto centre = [&](int column, int row) {
        return (label->contentRect().topLeft()
            + QPointF((column + 0.5) * cell.width(), (row + 0.5) * cell.height()))
            .toPoint();
    };

    for (const QPoint &drag : drags) {
        QTest::mousePress(label, Qt::LeftButton, {}, centre(drag.x(), 0));
        QTest::mouseMove(label, centre(drag.x(), drag.y()));
        QTest::mouseRelease(label, Qt::LeftButton, {}, centre(drag.x(), drag.y()));
    }

    QCOMPARE(row.addressEdit()->text(), text);
}

void TestPanels::signalBoxStaysDisabled()
{
    AttendeeRow row(4);
    MasterWidget master;
    QCheckBox *boxes[]
        = { row.child("signalBox"), master.findChild<QCheckBox *>(QStringLiteral("signalBox")) };

    row.child("featureBox")->click();
    FakeTranslator translator;
    QVERIFY(switchLanguage(&translator));
    QVERIFY(switchLanguage(&translator, false));

    for (QCheckBox *box : boxes) {
        box->setChecked(true);
        QVERIFY(box->isChecked());
        QVERIFY(!box->isEnabled());
    }
}

void TestPanels::languageChangeKeepsValues()
{
    AttendeeRow row(7);
    MasterWidget master;
    QTest::keyClicks(row.child<QLineEdit>("numberEdit1"), "12a34567");
    QTest::keyClicks(row.addressEdit(), "12b");
    QTest::keyClicks(master.findChild<QLineEdit *>(QStringLiteral("numberEdit2")), "0815");

    FakeTranslator english;
    english.add("AttendeeWidget", "Teilnehmer %1", QStringLiteral("Attendee %1"));
    english.add("AttendeeWidget", "Auf Master umleiten", QStringLiteral("Redirect to master"));
    english.add("MasterWidget", "Alle Teilnehmer auf Master umleiten",
        QStringLiteral("Redirect all attendees to master"));
    QVERIFY(switchLanguage(&english));

    QCOMPARE(row.child<QLabel>("attendeeLabel")->text(), QStringLiteral("Attendee 7"));
    QCOMPARE(row.child("nightBox")->text(), QStringLiteral("Redirect to master"));
    QCOMPARE(master.findChild<QCheckBox *>(QStringLiteral("nightBox"))->text(),
        QStringLiteral("Redirect all attendees to master"));
    QCOMPARE(row.child<QLineEdit>("numberEdit1")->text(), QStringLiteral("1234"));
    QCOMPARE(row.addressEdit()->text(), QStringLiteral("12B"));
    QCOMPARE(row.switches()->getAddressName(), QStringLiteral("B12"));
    QCOMPARE(master.findChild<QLineEdit *>(QStringLiteral("numberEdit2"))->text(),
        QStringLiteral("0815"));

    QVERIFY(switchLanguage(&english, false));
    QCOMPARE(row.child<QLabel>("attendeeLabel")->text(), QStringLiteral("Teilnehmer 7"));
}

QTEST_MAIN(TestPanels)
#include "tst_panels.moc"
