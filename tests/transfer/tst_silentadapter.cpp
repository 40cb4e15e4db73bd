// End to end through the serial link: an adapter that falls silent during
// login, write or read is reported in time, and the next attempt on a live
// adapter goes through.

#include "safetransfer.h"
#include "serialhelper.h"
#include "vxsimprocess.h"

#include <QSignalSpy>
#include <QTest>

namespace {

// Within this the user hears of a silent adapter.
constexpr int SilenceNoticedMs = 3000;

} // namespace

class TestSilentAdapter : public QObject
{
    Q_OBJECT

private slots:
    void reportedThenRecovered_data()
    {
        QTest::addColumn<QString>("silentAfter"); // answers; the login's is the first
        QTest::addColumn<QString>("what");

        QTest::newRow("login") << "0"
                               << "Login";
        QTest::newRow("write") << "5"
                               << "Optionen von Master";
        QTest::newRow("read") << "3"
                              << "Rufnummer 1 von Master";
    }

    void reportedThenRecovered()
    {
        QFETCH(QString, silentAfter);
        QFETCH(QString, what);
        const QByteArray run = QTest::currentDataTag();

        SerialHelper link;
        Exchange exchange(&link);
        LoginSession session(&exchange);
        Configuration screen;
        screen.entries[0] = { "0815", "", "", 0x41 };
        SafeTransfer transfer(&exchange, &session);
        transfer.transmitSequence()->setRepetitionDelay(0);
        const auto logIn = [&] {
            session.login("1234");
            return QTest::qWaitFor([&] {
                return session.isLoggedIn()
                    && session.pendingCommand() == LoginSession::PendingNone;
            });
        };

        VxSimProcess silent;
        QVERIFY(silent.start({ "--silent-after", silentAfter }));
        QVERIFY(link.SetComPort(silent.portName()) && link.OpenCommunication());
        QStringList silence;
        connect(&session, &LoginSession::failed, [&](auto, const QString &w) { silence << w; });
        connect(
            &transfer, &SafeTransfer::failed, [&](auto, auto, const QString &w) { silence << w; });
        if (run == "login")
            session.login("1234");
        else
            QVERIFY(logIn());
        if (run == "write")
            transfer.write(screen);
        else if (run == "read")
            transfer.read();
        QVERIFY(QTest::qWaitFor([&] { return !silence.isEmpty(); }, SilenceNoticedMs));
        QCOMPARE(silence, QStringList { what });
        QVERIFY(!transfer.isRunning());

        VxSimProcess live;
        QVERIFY(live.start() && link.SetComPort(live.portName()));
        QVERIFY(logIn());
        QSignalSpy finished(&transfer, &SafeTransfer::finished);
        run == "read" ? transfer.read() : transfer.write(screen);
        QVERIFY(finished.wait(30000));
        QCOMPARE(silence.size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestSilentAdapter)
#include "tst_silentadapter.moc"
