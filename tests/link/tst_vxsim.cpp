#include "ptypeer.h"
#include "serialhelper.h"
#include "signallog.h"
#include "vxsimprocess.h"

#include <QTemporaryDir>
#include <QTest>

#include <functional>

using Command = std::function<bool(SerialHelper &)>;
Q_DECLARE_METATYPE(Command)

namespace {

// The program's link talking to a running simulator.
struct Session
{
    VxSimProcess sim;
    SerialHelper link;
    SignalLog log { &link };

    bool start(const QStringList &arguments = {})
    {
        return sim.start(arguments) && link.SetComPort(sim.portName()) && link.OpenCommunication();
    }

    // Sends one command and returns the one answer it gets.
    QString ask(const Command &command)
    {
        log.entries.clear();
        if (!command(link) || !QTest::qWaitFor([this] { return !log.frames().isEmpty(); }, 5000))
            return QStringLiteral("no answer");
        return log.frames().first();
    }

    QString login(const char *password = "1234")
    {
        return ask([password](SerialHelper &l) {
            return l.TransmitLogin(EncodeDigits(QByteArray(password)));
        });
    }
};

} // namespace

class tst_VxSim : public QObject
{
    Q_OBJECT

private slots:
    void login_data();
    void login();
    void readBack_data();
    void readBack();
    void refusedWhileLoggedOut();
    void resetClears();
    void wrongResetCode();
    void stateKeptAcrossRuns();
    void sequence_data();
    void sequence();
    void nakEvery();
    void silentAfter();
    void chatter();
    void verboseLog();
    void badOption();
    void endsWhenStdinCloses();
};

void tst_VxSim::login_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("password");
    QTest::addColumn<QString>("answer");

    QTest::newRow("default password") << QStringList() << QByteArray("1234") << "Ack";
    QTest::newRow("wrong password") << QStringList() << QByteArray("1235") << "Nak";
    QTest::newRow("too short") << QStringList() << QByteArray("123") << "Nak";
    QTest::newRow("own password") << QStringList { "--password", "4711" } << QByteArray("4711")
                                  << "Ack";
    QTest::newRow("default no longer")
        << QStringList { "--password", "4711" } << QByteArray("1234") << "Nak";
    QTest::newRow("zero digit") << QStringList { "--password", "1000" } << QByteArray("1000")
                                << "Ack";
}

void tst_VxSim::login()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, password);
    QFETCH(QString, answer);

    Session s;
    QVERIFY(s.start(arguments));
    QCOMPARE(s.login(password.constData()), answer);
    QCOMPARE(s.ask([](SerialHelper &l) { return l.TransmitLogout(); }), QStringLiteral("Ack"));
}

void tst_VxSim::readBack_data()
{
    QTest::addColumn<Command>("transmit");
    QTest::addColumn<Command>("request");
    QTest::addColumn<QString>("answer");

    QTest::newRow("status byte") << Command([](SerialHelper &l) {
        return l.TransmitStatusByte(4, 0xA5);
    }) << Command([](SerialHelper &l) { return l.RequestStatusByte(4); })
                                 << "StatusByte(4,165)";
    QTest::newRow("call number 2")
        << Command([](SerialHelper &l) { return l.TransmitCallNumber(3, "0301 234", 2); })
        << Command([](SerialHelper &l) { return l.RequestCallNumber(3, 2); })
        << "CallNumber(3,0a030a01020304,2)";
    QTest::newRow("master call number 1")
        << Command([](SerialHelper &l) { return l.TransmitCallNumber(0, "110", 1); })
        << Command([](SerialHelper &l) { return l.RequestCallNumber(0, 1); })
        << "CallNumber(0,01010a,1)";
    QTest::newRow("bus address") << Command([](SerialHelper &l) {
        return l.TransmitBusAddress(5, "12", "C");
    }) << Command([](SerialHelper &l) { return l.RequestBusAddress(5); })
                                 << "BusAddress(5,0c43)";
    QTest::newRow("bus address floor 27")
        << Command([](SerialHelper &l) { return l.TransmitBusAddress(9, "27", "I"); })
        << Command([](SerialHelper &l) { return l.RequestBusAddress(9); }) << "BusAddress(9,1b49)";
    QTest::newRow("redirect time")
        << Command([](SerialHelper &l) { return l.TransmitCallRedirectTime(45, false); })
        << Command([](SerialHelper &l) { return l.RequestCallRedirectTime(false); })
        << "Time(45,redirect)";
    QTest::newRow("max call time")
        << Command([](SerialHelper &l) { return l.TransmitCallRedirectTime(75, true); })
        << Command([](SerialHelper &l) { return l.RequestCallRedirectTime(true); })
        << "Time(75,max)";
    QTest::newRow("master password") << Command([](SerialHelper &l) {
        return l.TransmitMasterPassword(EncodeDigits(QByteArray("9870")));
    }) << Command([](SerialHelper &l) { return l.RequestMasterPassword(); })
                                     << "MasterPassword(0908070a)";
}

void tst_VxSim::readBack()
{
    QFETCH(Command, transmit);
    QFETCH(Command, request);
    QFETCH(QString, answer);

    Session s;
    QVERIFY(s.start());
    QCOMPARE(s.login(), QStringLiteral("Ack"));
    QCOMPARE(s.ask(transmit), QStringLiteral("Ack"));
    QCOMPARE(s.ask(request), answer);
}

void tst_VxSim::refusedWhileLoggedOut()
{
    Session s;
    QVERIFY(s.start());
    QCOMPARE(
        s.ask([](SerialHelper &l) { return l.TransmitStatusByte(1, 7); }), QStringLiteral("Nak"));
    QCOMPARE(s.ask([](SerialHelper &l) { return l.RequestStatusByte(1); }), QStringLiteral("Nak"));
    QCOMPARE(s.login("9999"), QStringLiteral("Nak"));
    QCOMPARE(s.ask([](SerialHelper &l) { return l.TransmitBusAddress(1, "3", "A"); }),
        QStringLiteral("Nak"));
    QCOMPARE(s.login(), QStringLiteral("Ack"));
    QCOMPARE(s.ask([](SerialHelper &l) { return l.RequestStatusByte(1); }),
        QStringLiteral("StatusByte(1,0)"));
    QCOMPARE(s.ask([](SerialHelper &l) { return l.RequestBusAddress(1); }),
        QStringLiteral("BusAddress(1,)"));
    QCOMPARE(s.ask([](SerialHelper &l) { return l.TransmitLogout(); }), QStringLiteral("Ack"));
    QCOMPARE(
        s.ask([](SerialHelper &l) { return l.TransmitStatusByte(1, 7); }), QStringLiteral("Nak"));
}

void tst_VxSim::resetClears()
{
    Session s;
    QVERIFY(s.start());
    QCOMPARE(s.login(), QStringLiteral("Ack"));
    QCOMPARE(
        s.ask([](SerialHelper &l) { return l.TransmitStatusByte(2, 9); }), QStringLiteral("Ack"));
    QCOMPARE(s.ask([](SerialHelper &l) { return l.TransmitBusAddress(2, "3", "B"); }),
        QStringLiteral("Ack"));
    QCOMPARE(s.ask([](SerialHelper &l) { return l.TransmitCallNumber(2, "77", 1); }),
        QStringLiteral("Ack"));
    QCOMPARE(s.ask([](SerialHelper &l) { return l.TransmitCallRedirectTime(10, false); }),
        QStringLiteral("Ack"));

    QCOMPARE(s.ask([](SerialHelper &l) { return l.TransmitReset(); }), QStringLiteral("Ack"));

    QCOMPARE(s.ask([](SerialHelper &l) { return l.RequestStatusByte(2); }),
        QStringLiteral("StatusByte(2,0)"));
    QCOMPARE(s.ask([](SerialHelper &l) { return l.RequestBusAddress(2); }),
        QStringLiteral("BusAddress(2,)"));
    QCOMPARE(s.ask([](SerialHelper &l) { return l.RequestCallNumber(2, 1); }),
        QStringLiteral("CallNumber(2,,1)"));
    QCOMPARE(s.ask([](SerialHelper &l) { return l.RequestCallRedirectTime(false); }),
        QStringLiteral("Time(30,redirect)"));
    QCOMPARE(s.ask([](SerialHelper &l) { return l.RequestMasterPassword(); }),
        QStringLiteral("MasterPassword(01020304)"));
}

void tst_VxSim::wrongResetCode()
{
    Session s;
    QVERIFY(s.start());
    QCOMPARE(s.login(), QStringLiteral("Ack"));
    QCOMPARE(
        s.ask([](SerialHelper &l) { return l.TransmitStatusByte(3, 5); }), QStringLiteral("Ack"));
    const QString answer = s.ask([](SerialHelper &l) {
        bool written = false;
        const QByteArray frame = QByteArray::fromHex("fe0438525358"); // "RSX"
        QMetaObject::invokeMethod(&l, "WriteSerialData", Q_RETURN_ARG(bool, written),
            Q_ARG(QByteArray, frame + char(0x04 + 0x38 + 'R' + 'S' + 'X')));
        return written;
    });
    QCOMPARE(answer, QStringLiteral("Nak"));
    QCOMPARE(s.ask([](SerialHelper &l) { return l.RequestStatusByte(3); }),
        QStringLiteral("StatusByte(3,5)"));
}

void tst_VxSim::stateKeptAcrossRuns()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QStringList arguments { "--state", dir.filePath("adapter.json") };
    {
        Session s;
        QVERIFY(s.start(arguments));
        QCOMPARE(s.login(), QStringLiteral("Ack"));
        QCOMPARE(s.ask([](SerialHelper &l) { return l.TransmitStatusByte(6, 0x42); }),
            QStringLiteral("Ack"));
        QCOMPARE(s.ask([](SerialHelper &l) { return l.TransmitBusAddress(6, "14", "E"); }),
            QStringLiteral("Ack"));
        QCOMPARE(s.ask([](SerialHelper &l) {
            return l.TransmitMasterPassword(EncodeDigits(QByteArray("2468")));
        }),
            QStringLiteral("Ack"));
        QVERIFY(s.link.CloseCommunication());
        QVERIFY(s.sim.stop()); // SIGTERM ends it cleanly
    }
    Session s;
    QVERIFY(s.start(arguments));
    QCOMPARE(s.login(), QStringLiteral("Nak"));
    QCOMPARE(s.login("2468"), QStringLiteral("Ack"));
    QCOMPARE(s.ask([](SerialHelper &l) { return l.RequestStatusByte(6); }),
        QStringLiteral("StatusByte(6,66)"));
    QCOMPARE(s.ask([](SerialHelper &l) { return l.RequestBusAddress(6); }),
        QStringLiteral("BusAddress(6,0e45)"));
}

void tst_VxSim::sequence_data()
{
    QTest::addColumn<QStringList>("arguments");

    QTest::newRow("plain") << QStringList();
    QTest::newRow("9600 baud") << QStringList { "--baud", "9600" };
    QTest::newRow("late answers") << QStringList { "--latency", "30" };
    QTest::newRow("text between answers") << QStringList { "--chatter", "100" };
}

// Like a transfer: each answer sends the next command from inside the link's
// signal, so most answers arrive while the link still waits after the last.
void tst_VxSim::sequence()
{
    QFETCH(QStringList, arguments);

    Session s;
    QVERIFY(s.start(arguments << "--verbose"));
    QCOMPARE(s.login(), QStringLiteral("Ack"));

    const int total = 41;
    int sent = 0;
    int acks = 0;
    int naks = 0;
    connect(&s.link, &SerialHelper::ReceiveNoAcknowledge, this, [&] { ++naks; });
    connect(&s.link, &SerialHelper::ReceiveAcknowledge, this, [&] {
        ++acks;
        if (sent < total) {
            const byte entry = byte(sent % 10);
            s.link.TransmitStatusByte(entry, byte(sent));
            ++sent;
        }
    });
    s.log.entries.clear();
    QVERIFY(s.link.TransmitStatusByte(0, 0xFF));
    QVERIFY2(QTest::qWaitFor([&] { return acks == total + 1; }, 30000),
        qPrintable(QStringLiteral("%1 acknowledgements; simulator log:\n%2")
                       .arg(acks)
                       .arg(QString::fromLatin1(s.sim.standardError().right(1500)))));
    QCOMPARE(naks, 0);
    QVERIFY(!s.log.entries.contains("PortFailure"));
    QCOMPARE(s.ask([](SerialHelper &l) { return l.RequestStatusByte(9); }),
        QStringLiteral("StatusByte(9,39)"));
}

void tst_VxSim::nakEvery()
{
    Session s;
    QVERIFY(s.start({ "--nak-every", "3" }));
    QStringList answers;
    answers << s.login();
    for (int i = 0; i < 5; ++i)
        answers << s.ask([](SerialHelper &l) { return l.TransmitStatusByte(1, 1); });
    QCOMPARE(answers, (QStringList { "Ack", "Ack", "Nak", "Ack", "Ack", "Nak" }));
}

void tst_VxSim::silentAfter()
{
    Session s;
    QVERIFY(s.start({ "--silent-after", "2" }));
    QCOMPARE(s.login(), QStringLiteral("Ack"));
    QCOMPARE(s.ask([](SerialHelper &l) { return l.RequestStatusByte(1); }),
        QStringLiteral("StatusByte(1,0)"));
    s.log.entries.clear();
    QVERIFY(s.link.RequestStatusByte(1));
    QTest::qWait(500);
    QCOMPARE(s.log.entries, QStringList());
}

void tst_VxSim::chatter()
{
    Session s;
    QVERIFY(s.start({ "--chatter", "50" }));
    const auto text = [&] { return s.log.texts().join(QString()); };
    QVERIFY(QTest::qWaitFor(
        [&] {
            return text().contains("Ruf fuer Teilnehmer") && text().contains("Hausruf")
                && text().contains("Notrufbefehl") && text().contains("bereit!");
        },
        10000));
    QVERIFY(s.log.frames().isEmpty());
}

void tst_VxSim::verboseLog()
{
    Session s;
    QVERIFY(s.start({ "--verbose" }));
    QCOMPARE(s.login(), QStringLiteral("Ack"));
    const QByteArray loginFrame = "rx " + HexDump(PtyPeer::frameBytes(0x00, EncodeDigits("1234")));
    const QByteArray ackFrame = "tx " + HexDump(PtyPeer::frameBytes(0x20));
    QVERIFY2(QTest::qWaitFor(
                 [&] {
                     const QByteArray log = s.sim.standardError();
                     return log.contains(loginFrame) && log.contains(ackFrame);
                 },
                 5000),
        s.sim.standardError().constData());
}

void tst_VxSim::badOption()
{
    QProcess sim;
    sim.start(VxSimProcess::program(), { "--chatter", "many" });
    QVERIFY(sim.waitForFinished(10000));
    QCOMPARE(sim.exitCode(), 2);
    QVERIFY(sim.readAllStandardOutput().isEmpty());
    QVERIFY(sim.readAllStandardError().contains("--chatter"));
}

void tst_VxSim::endsWhenStdinCloses()
{
    VxSimProcess sim;
    QVERIFY(sim.start());
    sim.process().closeWriteChannel();
    QVERIFY(sim.process().waitForFinished(10000));
    QCOMPARE(sim.process().exitStatus(), QProcess::NormalExit);
    QCOMPARE(sim.process().exitCode(), 0);
}

QTEST_GUILESS_MAIN(tst_VxSim)
#include "tst_vxsim.moc"
