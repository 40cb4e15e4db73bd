// End to end: login, write, read and verify through the serial link against
// the simulator, silent or storing a value wrongly.

#include "safetransfer.h"
#include "serialhelper.h"
#include "vxsimprocess.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using Spoil = std::function<void(Configuration &)>;
Q_DECLARE_METATYPE(Spoil)

namespace {

// Within this the user hears of a silent adapter.
constexpr int SilenceNoticedMs = 3000;

struct Line
{
    VxSimProcess sim;
    SerialHelper link;
    Exchange exchange { &link };
    LoginSession session { &exchange };
    Configuration screen;
    SafeTransfer transfer { &exchange, &session, [this] { return screen; } };

    Line()
    {
        transfer.transmitSequence()->setRepetitionDelay(0);
        // Values of every kind, as the adapter keeps them.
        screen.maxCallTime = 70;
        screen.callRedirectTime = 25;
        screen.entries[0] = { "0815", "1203", "", 0x41 };
        screen.entries[4] = { "44", "0301", "D12", 0x21 };
        screen.entries[9] = { "9", "", "I24", 0x0c };
    }
    bool open(const QStringList &arguments)
    {
        return sim.start(arguments) && link.SetComPort(sim.portName()) && link.OpenCommunication();
    }
    bool logIn()
    {
        session.login("1234");
        return QTest::qWaitFor([this] {
            return session.isLoggedIn() && session.pendingCommand() == LoginSession::PendingNone;
        });
    }
    bool run(void (SafeTransfer::*start)())
    {
        QSignalSpy finished(&transfer, &SafeTransfer::finished);
        (transfer.*start)();
        return finished.wait(30000);
    }
};

} // namespace

class TestTransferVxSim : public QObject
{
    Q_OBJECT

private slots:
    void silentAdapter_data();
    void silentAdapter();
    void verifyFindsDifference_data();
    void verifyFindsDifference();
    void restartWithLateAnswers();
};

void TestTransferVxSim::silentAdapter_data()
{
    QTest::addColumn<QString>("silentAfter"); // answers; the login is the first
    QTest::addColumn<QString>("what");

    QTest::newRow("login") << "0"
                           << "Login";
    QTest::newRow("write") << "5"
                           << "Optionen von Master";
    QTest::newRow("read") << "3"
                          << "Rufnummer 1 von Master";
}

void TestTransferVxSim::silentAdapter()
{
    QFETCH(QString, silentAfter);
    QFETCH(QString, what);
    const QString run = QTest::currentDataTag();

    Line line;
    QVERIFY(line.open({ "--silent-after", silentAfter }));
    QStringList silence;
    connect(&line.session, &LoginSession::noAnswer, [&](const QString &w) { silence << w; });
    connect(&line.transfer, &SafeTransfer::noAnswer, [&](auto, const QString &w) { silence << w; });
    if (run == "login")
        line.session.login("1234");
    else
        QVERIFY(line.logIn());
    if (run == "write")
        line.transfer.write();
    else if (run == "read")
        line.transfer.read();
    QVERIFY(QTest::qWaitFor([&] { return !silence.isEmpty(); }, SilenceNoticedMs));
    QCOMPARE(silence, QStringList { what });
    QVERIFY(!line.transfer.isRunning());

    // The next attempt, on a live adapter, goes through.
    VxSimProcess live;
    QVERIFY(live.start() && line.link.SetComPort(live.portName()));
    QVERIFY(line.logIn());
    QVERIFY(line.run(run == "read" ? &SafeTransfer::read : &SafeTransfer::write));
}

void TestTransferVxSim::verifyFindsDifference_data()
{
    QTest::addColumn<QString>("corrupt");
    QTest::addColumn<Spoil>("spoil");

    QTest::newRow("call number") << "4:callnumber2" << Spoil([](Configuration &c) {
        c.entries[4].callNumber2 = "0302";
    });
    QTest::newRow("status byte") << "0:status"
                                 << Spoil([](Configuration &c) { c.entries[0].statusByte = 0x49; });
    QTest::newRow("time") << "maxcalltime" << Spoil([](Configuration &c) { c.maxCallTime = 71; });
    QTest::newRow("bus address") << "9:busaddress" << Spoil([](Configuration &c) {
        c.entries[9].busAddress = "A24";
    });
}

void TestTransferVxSim::verifyFindsDifference()
{
    QFETCH(QString, corrupt);
    QFETCH(Spoil, spoil);

    Line line;
    QVERIFY(line.open({ "--corrupt", corrupt }));
    QVERIFY(line.logIn());
    std::optional<Configuration> backup;
    line.transfer.setBackupEnabled(true);
    line.transfer.setVerifyEnabled(true);
    line.transfer.setSaveBackup(
        [&](const Configuration &adapter) { return bool(backup = adapter); });
    QSignalSpy verified(&line.transfer, &SafeTransfer::verified);
    QVERIFY(line.run(&SafeTransfer::write));

    QVERIFY(backup == Configuration());
    QCOMPARE(verified.size(), 1);
    QVERIFY(verified[0][0].value<Configuration>() == line.screen);
    Configuration expected = line.screen;
    spoil(expected);
    QVERIFY(verified[0][1].value<Configuration>() == expected);
}

// Started again while an answer is on its way, against refusals: the old
// run's answer must not count for the new run.
void TestTransferVxSim::restartWithLateAnswers()
{
    QTemporaryDir dir;
    const QString state = dir.filePath("adapter.json");
    Line line;
    QVERIFY(line.open({ "--state", state, "--latency", "30", "--nak-every", "5" }));
    QVERIFY(line.logIn());
    line.transfer.write();
    QVERIFY(line.run(&SafeTransfer::write));
    QVERIFY(line.sim.stop());

    // That simulator refuses reads too; a second one reads what it kept.
    Line check;
    QVERIFY(check.open({ "--state", state }));
    QVERIFY(check.logIn());
    QVERIFY(check.run(&SafeTransfer::read));
    QVERIFY(check.transfer.receiveSequence()->received() == line.screen);
}

QTEST_GUILESS_MAIN(TestTransferVxSim)
#include "tst_transfervxsim.moc"
