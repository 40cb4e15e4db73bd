// "Lesen" against a scripted adapter on a pseudo-terminal: the 41 requests,
// where each answer lands, the call-time check on the way, cancel.

#include "windowdriver.h"

#include "modalanswerer.h"
#include "transferfixture.h"

#include <QPointer>

#include <array>

namespace {

using Frame = PtyPeer::Frame;

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray result;
    for (int b : values)
        result.append(char(b));
    return result;
}

// What the adapter holds, in wire form.
struct AdapterValues
{
    byte maxCall = 45;
    byte redirect = 20;
    std::array<std::array<QByteArray, 2>, 10> numbers;
    std::array<byte, 10> status {};
    std::array<QByteArray, 10> address; // floor, letter; empty: none

    AdapterValues()
    {
        numbers[0] = { bytes({ 0x0a, 8, 1, 5 }), {} };
        status[0] = 0x5d;
        numbers[1] = { bytes({ 1, 2 }), bytes({ 0x0a }) };
        status[1] = 0x20;
        address[1] = bytes({ 12, 'B' });
        // 0xFF: the adapter has no number.
        numbers[2] = { bytes({ 3, 0xff }), bytes({ 4 }) };
        address[2] = bytes({ 2, 'C' });
        status[3] = 0xff;
        for (int n = 3; n <= 8; ++n) {
            numbers[n] = { bytes({ n }), {} };
            address[n] = bytes({ n, 'D' });
        }
        address[5] = bytes({ 5, 'A' });
        numbers[9] = { bytes({ 9, 0x0a, 9 }), bytes({ 1, 1 }) };
    }

    QByteArray answer(const Frame &request) const
    {
        const int n = request.payload.isEmpty() ? 0 : byte(request.payload[0]);
        switch (request.command) {
        case 0x14:
            return PtyPeer::frameBytes(0x14, bytes({ maxCall }));
        case 0x13:
            return PtyPeer::frameBytes(0x13, bytes({ redirect }));
        case 0x12: {
            const int slot = byte(request.payload[1]);
            return PtyPeer::frameBytes(0x12, bytes({ n, slot }) + numbers[n][slot - 1]);
        }
        case 0x19:
            return PtyPeer::frameBytes(0x19, bytes({ n, status[n] }));
        case 0x1f:
            return PtyPeer::frameBytes(
                0x1f, bytes({ n }) + (address[n].isEmpty() ? bytes({ 0, 0 }) : address[n]));
        default:
            return {};
        }
    }
};

QList<Frame> expectedRequests()
{
    QList<Frame> requests { { 0x14, {} }, { 0x13, {} }, { 0x12, bytes({ 0, 1 }) },
        { 0x12, bytes({ 0, 2 }) }, { 0x19, bytes({ 0 }) } };
    for (int n = 1; n <= 9; ++n) {
        requests << Frame { 0x12, bytes({ n, 1 }) } << Frame { 0x12, bytes({ n, 2 }) }
                 << Frame { 0x19, bytes({ n }) } << Frame { 0x1f, bytes({ n }) };
    }
    return requests;
}

// Values the adapter does not have, so that every stored answer shows.
void fillOtherValues(const WindowDriver &d)
{
    d.dialBox()->setChecked(false);
    for (int n = 0; n <= 9; ++n) {
        d.edit(n, "numberEdit1")->setText(QStringLiteral("7777"));
        d.edit(n, "numberEdit2")->setText(QStringLiteral("88"));
        if (n > 0)
            d.typeAddress(n, QStringLiteral("H%1").arg(n + 10));
    }
}

} // namespace

class TestReceive : public QObject, private TransferFixture
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void readsWholeConfiguration();
    void storedTimeRunsCallTimeCheck();
    void answerForUnknownEntryAdvances_data();
    void answerForUnknownEntryAdvances();
    void cancelStopsRequests();
    void loggedOutRequestsNothing();

private:
    AdapterValues values;
};

void TestReceive::init()
{
    QVERIFY(openLoggedIn());
    values = AdapterValues();
    adapter->setScript([this](int, const Frame &request) { return values.answer(request); });
}

void TestReceive::cleanup()
{
    closeAll();
}

void TestReceive::readsWholeConfiguration()
{
    fillOtherValues(*driver);
    QStringList labels;
    QList<int> progress;
    adapter->setScript([&](int, const Frame &request) {
        const ProgressDialog *dialog = driver->progressDialog();
        labels << WindowDriver::processText(dialog);
        progress << dialog->currentProgress();
        return values.answer(request);
    });

    ModalAnswerer answerer;
    driver->clickRequest();
    const QPointer<ProgressDialog> dialog = driver->progressDialog();
    QVERIFY(dialog && dialog->isVisible());
    QVERIFY(adapter->waitForFrames(41));
    QTRY_VERIFY(!dialog || !dialog->isVisible());
    QTest::qWait(200);

    QCOMPARE(
        ScriptedAdapter::describe(adapter->frames), ScriptedAdapter::describe(expectedRequests()));
    QVERIFY(answerer.seen.isEmpty());

    QStringList expectedLabels { QStringLiteral("Rufweiterleitung"),
        QStringLiteral("Rufsignalisierung") };
    for (int n = 0; n <= 9; ++n) {
        const QString name
            = n == 0 ? QStringLiteral("Master -> ") : QStringLiteral("Teilnehmer %1 -> ").arg(n);
        expectedLabels << name + QStringLiteral("Rufnummer 1")
                       << name + QStringLiteral("Rufnummer 2")
                       << name + QStringLiteral("Status Byte");
        if (n > 0)
            expectedLabels << name + QStringLiteral("Bus-Adresse");
    }
    QCOMPARE(labels, expectedLabels);
    QCOMPARE(progress.first(), 1);
    QCOMPARE(progress.last(), 41);

    QCOMPARE(driver->maxCall()->value(), 45);
    QCOMPARE(driver->redirect()->value(), 20);
    QCOMPARE(driver->edit(0, "numberEdit1")->text(), QStringLiteral("0815"));
    QCOMPARE(driver->edit(0, "numberEdit2")->text(), QString());
    QCOMPARE(window->statusByte(0), byte(0x5d));
    QVERIFY(driver->dialBox()->isChecked());

    QCOMPARE(driver->edit(1, "numberEdit1")->text(), QStringLiteral("12"));
    QCOMPARE(driver->edit(1, "numberEdit2")->text(), QStringLiteral("0"));
    QCOMPARE(window->statusByte(1), byte(0x20));
    QCOMPARE(window->busAddress(1), QStringLiteral("B12"));
    QCOMPARE(driver->switches(1), QStringLiteral("B12"));

    // A number the adapter does not have empties the field.
    QCOMPARE(driver->edit(2, "numberEdit1")->text(), QString());
    QCOMPARE(driver->edit(2, "numberEdit2")->text(), QStringLiteral("4"));
    QCOMPARE(window->statusByte(3), byte(0x3d));
    QVERIFY(driver->box(3, "featureBox")->isChecked());
    // Number byte first, letter last on the wire.
    QCOMPARE(driver->edit(5, "addressEdit")->text(), QStringLiteral("A5"));
    QCOMPARE(driver->switches(5), QStringLiteral("A5"));
    for (int n = 3; n <= 8; ++n) {
        QCOMPARE(driver->edit(n, "numberEdit1")->text(), QString::number(n));
        QCOMPARE(driver->edit(n, "numberEdit2")->text(), QString());
    }
    QCOMPARE(driver->edit(9, "numberEdit1")->text(), QStringLiteral("909"));
    QCOMPARE(driver->edit(9, "numberEdit2")->text(), QStringLiteral("11"));
    // No address: the field empties and the switches show A1.
    QCOMPARE(driver->edit(9, "addressEdit")->text(), QString());
    QCOMPARE(driver->switches(9), QStringLiteral("A1"));
}

void TestReceive::storedTimeRunsCallTimeCheck()
{
    values.maxCall = 20;
    values.redirect = 10;
    ModalAnswerer answerer;
    int boxesBeforeSecondRequest = -1;
    adapter->setScript([&](int index, const Frame &request) {
        if (index == 1)
            boxesBeforeSecondRequest = int(answerer.seen.size());
        return values.answer(request);
    });

    driver->clickRequest();
    QVERIFY(adapter->waitForFrames(41));
    QTRY_VERIFY(!driver->progressDialog() || !driver->progressDialog()->isVisible());

    // 20 fails against the 30 still shown and becomes 32; then 10 passes.
    QCOMPARE(answerer.titles(), QStringList { QStringLiteral("Konfiguration") });
    QCOMPARE(boxesBeforeSecondRequest, 1);
    QCOMPARE(driver->maxCall()->value(), 32);
    QCOMPARE(driver->redirect()->value(), 10);
}

void TestReceive::answerForUnknownEntryAdvances_data()
{
    QTest::addColumn<int>("heldRequest");
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<QString>("number1");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("address");

    // Attendee 1 holds 7777, status 0x01 and H11; the adapter 6, 0x08 and G4.
    QTest::newRow("call number") << 5 << PtyPeer::frameBytes(0x12, bytes({ 12, 1, 5, 5 })) << "7777"
                                 << 0x08 << "G4";
    QTest::newRow("status byte") << 7 << PtyPeer::frameBytes(0x19, bytes({ 12, 0x3d })) << "6"
                                 << 0x01 << "G4";
    QTest::newRow("bus address") << 8 << PtyPeer::frameBytes(0x1f, bytes({ 12, 3, 'E' })) << "6"
                                 << 0x08 << "H11";
}

void TestReceive::answerForUnknownEntryAdvances()
{
    QFETCH(int, heldRequest);
    QFETCH(QByteArray, answer);
    QFETCH(QString, number1);
    QFETCH(int, status);
    QFETCH(QString, address);
    fillOtherValues(*driver);
    driver->box(1, "nightBox")->setChecked(true);
    values.numbers[1][0] = bytes({ 6 });
    values.status[1] = 0x08;
    values.address[1] = bytes({ 4, 'G' });
    adapter->setScript([&](int index, const Frame &request) {
        return index == heldRequest ? answer : values.answer(request);
    });

    ModalAnswerer answerer;
    driver->clickRequest();
    QVERIFY(adapter->waitForFrames(41));
    QTRY_VERIFY(!driver->progressDialog() || !driver->progressDialog()->isVisible());
    QTest::qWait(200);

    QCOMPARE(
        ScriptedAdapter::describe(adapter->frames), ScriptedAdapter::describe(expectedRequests()));
    QCOMPARE(driver->edit(1, "numberEdit1")->text(), number1);
    QCOMPARE(window->statusByte(1), byte(status));
    QCOMPARE(window->busAddress(1), address);
    QVERIFY(answerer.seen.isEmpty());
}

void TestReceive::cancelStopsRequests()
{
    fillOtherValues(*driver);
    const Frame attendee6Number1 { 0x12, bytes({ 6, 1 }) };
    adapter->setScript([&](int, const Frame &request) {
        if (request == attendee6Number1)
            WindowDriver::cancel(driver->progressDialog());
        return values.answer(request);
    });

    driver->clickRequest();
    QVERIFY(adapter->waitForFrames(5 + 5 * 4 + 1));
    QTest::qWait(300);
    QCOMPARE(adapter->frames.size(), 5 + 5 * 4 + 1);
    QCOMPARE(adapter->frames.last(), attendee6Number1);

    // The answer in flight is still stored.
    QCOMPARE(driver->edit(6, "numberEdit1")->text(), QStringLiteral("6"));
    QCOMPARE(driver->edit(6, "numberEdit2")->text(), QStringLiteral("88"));
    for (int n = 7; n <= 9; ++n) {
        QCOMPARE(driver->edit(n, "numberEdit1")->text(), QStringLiteral("7777"));
        QCOMPARE(window->busAddress(n), QStringLiteral("H%1").arg(n + 10));
    }
}

void TestReceive::loggedOutRequestsNothing()
{
    adapter->setScript(ScriptedAdapter::acknowledgeAll());
    expectLoginRequired(&WindowDriver::clickRequest);
}

QTEST_MAIN(TestReceive)
#include "tst_receive.moc"
