// The input check before "Schreiben": which attendee entries stop the
// transmit, with which message, and where the keyboard focus goes.

#include "windowdriver.h"

#include "modalanswerer.h"
#include "transferfixture.h"

namespace {

// One attendee as the user fills it in; boxes holds F (featureBox),
// P (priorityBox) and C (callBox).
struct Entry
{
    int attendee;
    QString number1;
    QString number2;
    QString address;
    QString boxes;
};
using Entries = QList<Entry>;

const QString noCallNumber
    = QStringLiteral("Bei einem Teilnehmer wurde keine Rufnummer eingetragen.");
const QString noBusAddress
    = QStringLiteral("Bei einem Teilnehmer wurde keine Kelvo-Adresse eingetragen.");
const QString duplicate
    = QStringLiteral("Es wurde an verschiedene Teilnehmer die gleiche Kelvo-Adresse vergeben.");

} // namespace

Q_DECLARE_METATYPE(Entries)

class TestInputCheck : public QObject, private TransferFixture
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void attendeesChecked_data();
    void attendeesChecked();
};

void TestInputCheck::init()
{
    QVERIFY(openLoggedIn());
    // The first command of a transmit shows that the check passed.
    adapter->setScript(ScriptedAdapter::silent());
}

void TestInputCheck::cleanup()
{
    closeAll();
}

void TestInputCheck::attendeesChecked_data()
{
    QTest::addColumn<Entries>("entries");
    QTest::addColumn<QString>("message"); // empty: the transmit starts
    QTest::addColumn<int>("focusAttendee");
    QTest::addColumn<QString>("focusField");

    QTest::newRow("all empty") << Entries {} << QString() << 0 << QString();
    QTest::newRow("complete attendees, master without numbers")
        << Entries { { 1, "1", "", "A1", "" }, { 9, "99", "123", "I24", "FPC" } } << QString() << 0
        << QString();
    QTest::newRow("address without number; later attendees not looked at")
        << Entries { { 3, "", "", "A5", "" }, { 5, "5", "", "", "" } } << noCallNumber << 3
        << "numberEdit1";
    QTest::newRow("number without address")
        << Entries { { 2, "12", "", "", "" } } << noBusAddress << 2 << "addressEdit";
    QTest::newRow("number 2 dialled first stands in for number 1")
        << Entries { { 2, "", "5", "B2", "FP" } } << QString() << 0 << QString();
    QTest::newRow("number 2 dialled first, but missing")
        << Entries { { 2, "", "", "B2", "FP" } } << noCallNumber << 2 << "numberEdit2";
    QTest::newRow("call redirect needs number 2")
        << Entries { { 2, "1", "", "B2", "FC" } } << noCallNumber << 2 << "numberEdit2";
    QTest::newRow("call redirect with number 2 needs number 1, before the address")
        << Entries { { 4, "", "7", "", "FC" } } << noCallNumber << 4 << "numberEdit1";
    QTest::newRow("number 2 without address")
        << Entries { { 3, "", "5", "", "FP" } } << noBusAddress << 3 << "addressEdit";
    QTest::newRow("options count only with extended functions")
        << Entries { { 2, "1", "", "A2", "PC" } } << QString() << 0 << QString();
    QTest::newRow("extended functions alone need nothing")
        << Entries { { 2, "", "", "", "F" } } << QString() << 0 << QString();
    QTest::newRow("a blank is a number")
        << Entries { { 2, " ", "", "A2", "" } } << QString() << 0 << QString();
    QTest::newRow("same address in the other order") << Entries { { 1, "1", "", "B12", "" },
        { 3, "3", "", "C12", "" }, { 6, "6", "", "12B", "" } }
                                                     << duplicate << 6 << "addressEdit";
}

void TestInputCheck::attendeesChecked()
{
    QFETCH(Entries, entries);
    QFETCH(QString, message);
    QFETCH(int, focusAttendee);
    QFETCH(QString, focusField);

    for (const Entry &e : std::as_const(entries)) {
        driver->edit(e.attendee, "numberEdit1")->setText(e.number1);
        driver->edit(e.attendee, "numberEdit2")->setText(e.number2);
        driver->typeAddress(e.attendee, e.address);
        driver->box(e.attendee, "featureBox")->setChecked(e.boxes.contains(QLatin1Char('F')));
        driver->box(e.attendee, "priorityBox")->setChecked(e.boxes.contains(QLatin1Char('P')));
        driver->box(e.attendee, "callBox")->setChecked(e.boxes.contains(QLatin1Char('C')));
    }
    const QString addressesBefore = [&] {
        QStringList texts;
        for (int n = 1; n <= 9; ++n)
            texts << driver->edit(n, "addressEdit")->text();
        return texts.join(QLatin1Char('|'));
    }();

    ModalAnswerer answerer;
    driver->clickTransmit();
    QTest::qWait(200);

    if (message.isEmpty()) {
        QVERIFY(answerer.seen.isEmpty());
        QCOMPARE(adapter->frames.size(), 1);
        QCOMPARE(adapter->frames[0].command, byte(0x03));
        return;
    }

    QCOMPARE(answerer.titles(), QStringList { QStringLiteral("Eingabefehler") });
    QCOMPARE(answerer.seen[0].text, message);
    QVERIFY(adapter->frames.isEmpty());
    QVERIFY(!driver->progressDialog());

    QLineEdit *field = driver->edit(focusAttendee, focusField.toLatin1().constData());
    QCOMPARE(window->focusWidget(), field);
    window->activateWindow();
    QTRY_VERIFY(field->hasFocus());
    if (message == duplicate)
        QCOMPARE(field->selectedText(), field->text());
    else
        QVERIFY(!field->hasSelectedText());

    // Nothing on screen changes but the focus.
    QStringList texts;
    for (int n = 1; n <= 9; ++n)
        texts << driver->edit(n, "addressEdit")->text();
    QCOMPARE(texts.join(QLatin1Char('|')), addressesBefore);
}

QTEST_MAIN(TestInputCheck)
#include "tst_inputcheck.moc"
