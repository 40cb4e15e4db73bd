// End to end through the serial link against the simulator: a write started
// again against refusals and late answers. (vxconfig-cli's tests verify
// against a simulator that stores values wrongly.)

#include "safetransfer.h"
#include "serialhelper.h"
#include "vxsimprocess.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Line
{
    VxSimProcess sim;
    SerialHelper link;
    Exchange exchange { &link };
    LoginSession session { &exchange };
    Configuration screen;
    SafeTransfer transfer { &exchange, &session, [this] { return screen; } };

    // Logged in to a simulator started with arguments.
    bool open(const QStringList &arguments)
    {
        transfer.transmitSequence()->setRepetitionDelay(0);
        // Values of every kind, as the adapter keeps them.
        screen.maxCallTime = 70;
        screen.callRedirectTime = 25;
        screen.entries[0] = { "0815", "1203", "", 0x41 };
        screen.entries[4] = { "44", "0301", "D12", 0x21 };
        screen.entries[9] = { "9", "", "I24", 0x0c };
        if (!sim.start(arguments) || !link.SetComPort(sim.portName()) || !link.OpenCommunication())
            return false;
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
    void restartWithLateAnswers();
};

// Started again while an answer is on its way, against refusals: the old
// run's answer must not count for the new run.
void TestTransferVxSim::restartWithLateAnswers()
{
    QTemporaryDir dir;
    const QString state = dir.filePath("adapter.json");
    Line line;
    QVERIFY(line.open({ "--state", state, "--latency", "30", "--nak-every", "5" }));
    line.transfer.write();
    QVERIFY(line.run(&SafeTransfer::write));
    QVERIFY(line.sim.stop());

    // That simulator refuses reads too; a second one reads what it kept.
    Line check;
    QVERIFY(check.open({ "--state", state }));
    QVERIFY(check.run(&SafeTransfer::read));
    QVERIFY(check.transfer.receiveSequence()->received() == line.screen);
}

QTEST_GUILESS_MAIN(TestTransferVxSim)
#include "tst_transfervxsim.moc"
