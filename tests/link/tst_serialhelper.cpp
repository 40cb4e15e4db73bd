#include "ptypeer.h"
#include "serialhelper.h"
#include "signallog.h"

#include <QBuffer>
#include <QSerialPort>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <sys/resource.h>

namespace {

QByteArray frame(byte command, const QByteArray &payload = {})
{
    return PtyPeer::frameBytes(command, payload);
}

QByteArray bytes(const char *hex)
{
    return QByteArray::fromHex(hex);
}

double cpuSeconds()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Gives the link time to raise anything else it is going to raise.
void settle()
{
    QTest::qWait(150);
}

// Reaches the receive step without a port.
class DeviceLink : public SerialHelper
{
public:
    using SerialHelper::readFrame;
};

} // namespace

class tst_SerialHelper : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void receive_data();
    void receive();
    void textInBatches();
    void frameSplitAcrossBatches_data();
    void frameSplitAcrossBatches();
    void answerDuringWait();
    void eventLoopInSlot();
    void oneFramePerStep();
    void setComPort();
    void openFails();
    void portFailure();
    void emptyWakeups();
    void neverDeaf();

private:
    std::unique_ptr<PtyPeer> peer;
    std::unique_ptr<SerialHelper> link;
    std::unique_ptr<SignalLog> log;
};

void tst_SerialHelper::init()
{
    peer = std::make_unique<PtyPeer>();
    QVERIFY(peer->isOpen());
    link = std::make_unique<SerialHelper>();
    log = std::make_unique<SignalLog>(link.get());
    QVERIFY(link->SetComPort(peer->portName()));
    QVERIFY(link->OpenCommunication());
}

void tst_SerialHelper::cleanup()
{
    log.reset();
    link.reset();
    peer.reset();
}

void tst_SerialHelper::receive_data()
{
    QTest::addColumn<QByteArray>("batch");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("status byte") << frame(25, bytes("03f4")) << QStringList { "StatusByte(3,244)" };
    QTest::newRow("call number") << frame(18, bytes("0102010a03"))
                                 << QStringList { "CallNumber(1,010a03,2)" };
    QTest::newRow("call number without digits")
        << frame(18, bytes("0401")) << QStringList { "CallNumber(4,,1)" };
    QTest::newRow("call number of one byte")
        << frame(18, bytes("04")) << QStringList { "CallNumber(4,,0)" };
    QTest::newRow("redirect time") << frame(19, bytes("1e")) << QStringList { "Time(30,redirect)" };
    QTest::newRow("max call time") << frame(20, bytes("3c")) << QStringList { "Time(60,max)" };
    QTest::newRow("time without payload") << frame(20) << QStringList { "Time(0,max)" };
    QTest::newRow("bus address") << frame(31, bytes("020c41"))
                                 << QStringList { "BusAddress(2,0c41)" };
    QTest::newRow("bus address floor 0")
        << frame(31, bytes("050041")) << QStringList { "BusAddress(5,)" };
    QTest::newRow("bus address of one byte")
        << frame(31, bytes("05")) << QStringList { "BusAddress(5,)" };
    QTest::newRow("status byte of one byte")
        << frame(25, bytes("07")) << QStringList { "StatusByte(7,0)" };
    QTest::newRow("master password")
        << frame(10, bytes("0102030a")) << QStringList { "MasterPassword(0102030a)" };
    QTest::newRow("escaped payload")
        << frame(25, bytes("02fe")) << QStringList { "StatusByte(2,254)" };
    QTest::newRow("acknowledge") << frame(32) << QStringList { "Ack" };
    QTest::newRow("negative acknowledge") << frame(33) << QStringList { "Nak" };
    QTest::newRow("unknown command") << frame(0x40, bytes("01")) << QStringList {};
    QTest::newRow("wrong checksum") << bytes("fe012022") << QStringList {};
    QTest::newRow("two frames in one batch")
        << frame(32) + frame(25, bytes("01aa")) << QStringList { "Ack", "StatusByte(1,170)" };
    QTest::newRow("three frames in one batch") << frame(33) + frame(32) + frame(20, bytes("05"))
                                               << QStringList { "Nak", "Ack", "Time(5,max)" };
    QTest::newRow("text") << QByteArray("Hausruf 3:Etage B2\n")
                          << QStringList { "Text(Hausruf 3:Etage B2\n)" };
    QTest::newRow("text up to a zero byte")
        << QByteArray("Ruf\0fuer", 8) << QStringList { "Text(Ruf)" };
    QTest::newRow("Latin-1 text") << QByteArray("Gr\xfc\xdf"
                                                "e")
                                  << QStringList { "Text(Grüße)" };
    QTest::newRow("text followed by a start byte")
        << QByteArray("verloren") + frame(32) << QStringList { "Ack" };
    QTest::newRow("frame followed by text")
        << frame(32) + QByteArray("danach") << QStringList { "Ack", "Text(danach)" };
}

void tst_SerialHelper::receive()
{
    QFETCH(QByteArray, batch);
    QFETCH(QStringList, expected);

    QVERIFY(peer->sendBytes(batch));
    QVERIFY(log->waitFor(int(expected.size())));
    settle();
    QCOMPARE(log->entries, expected);
}

void tst_SerialHelper::textInBatches()
{
    QVERIFY(peer->sendText("Ruf fuer "));
    QVERIFY(log->waitFor(1));
    QVERIFY(peer->sendText("Teilnehmer 2:0301\n"));
    QVERIFY(log->waitFor(2));
    settle();
    QCOMPARE(log->entries, (QStringList { "Text(Ruf fuer )", "Text(Teilnehmer 2:0301\n)" }));
}

void tst_SerialHelper::frameSplitAcrossBatches_data()
{
    QTest::addColumn<QByteArray>("first");
    QTest::addColumn<QByteArray>("second");
    QTest::addColumn<QString>("expected");

    const QByteArray status = frame(25, bytes("02df")); // fe 03 19 02 df fd 00
    QTest::newRow("after the start byte") << status.left(1) << status.mid(1) << "StatusByte(2,223)";
    QTest::newRow("inside the payload") << status.left(4) << status.mid(4) << "StatusByte(2,223)";
    QTest::newRow("inside an escape pair")
        << status.left(6) << status.mid(6) << "StatusByte(2,223)";
    QTest::newRow("new start drops the part") << status.left(4) << frame(32) << "Ack";
}

void tst_SerialHelper::frameSplitAcrossBatches()
{
    QFETCH(QByteArray, first);
    QFETCH(QByteArray, second);
    QFETCH(QString, expected);

    QVERIFY(peer->sendBytes(first));
    settle();
    QVERIFY(log->entries.isEmpty());
    QVERIFY(peer->sendBytes(second));
    QVERIFY(log->waitFor(1));
    settle();
    QCOMPARE(log->entries, QStringList { expected });
}

// An adapter answers while the link still waits after the previous frame; a
// transfer must not stall on that answer.
void tst_SerialHelper::answerDuringWait()
{
    int acks = 0;
    connect(link.get(), &SerialHelper::ReceiveAcknowledge, this, [&] {
        if (++acks < 5)
            peer->sendAck();
    });
    QVERIFY(peer->sendAck());
    QVERIFY(QTest::qWaitFor([&] { return acks == 5; }, 5000));
    settle();
    QCOMPARE(acks, 5);
}

// The window shows message boxes from its slots; bytes that arrive meanwhile
// must not bring back the frame being handled.
void tst_SerialHelper::eventLoopInSlot()
{
    int acks = 0;
    connect(link.get(), &SerialHelper::ReceiveAcknowledge, this, [&] {
        if (++acks != 2)
            return;
        peer->sendText("Spaeter");
        QTest::qWait(300);
    });
    QVERIFY(peer->sendBytes(frame(32) + frame(32)));
    QVERIFY(log->waitFor(3));
    settle();
    QCOMPARE(log->entries, (QStringList { "Ack", "Ack", "Text(Spaeter)" }));
}

void tst_SerialHelper::oneFramePerStep()
{
    QBuffer device;
    device.setData(frame(32) + frame(25, bytes("0311")) + QByteArray("Ende"));
    QVERIFY(device.open(QIODevice::ReadOnly));
    DeviceLink deviceLink;
    SignalLog deviceLog(&deviceLink);

    QVERIFY(deviceLink.readFrame(&device));
    QCOMPARE(deviceLog.entries, QStringList { "Ack" });
    QVERIFY(deviceLink.readFrame(&device));
    QCOMPARE(deviceLog.entries, (QStringList { "Ack", "StatusByte(3,17)" }));
    QVERIFY(deviceLink.readFrame(&device));
    QCOMPARE(deviceLog.entries, (QStringList { "Ack", "StatusByte(3,17)", "Text(Ende)" }));
    QVERIFY(!deviceLink.readFrame(&device));
    QCOMPARE(deviceLog.entries.size(), 3);
}

void tst_SerialHelper::setComPort()
{
    // Closed: only the name changes.
    QVERIFY(link->CloseCommunication());
    PtyPeer other;
    QVERIFY(link->SetComPort(other.portName()));
    QVERIFY(!link->TransmitAcknowledge());

    // Open: reopened under the new name.
    QVERIFY(link->OpenCommunication());
    QVERIFY(link->SetComPort(peer->portName()));
    QVERIFY(link->TransmitNoAcknowledge());
    QVERIFY(peer->waitForFrames(1));
    QCOMPARE(peer->takeFrames().first().command, byte(0x21));
    QCOMPARE(other.frameCount(), 0);
}

void tst_SerialHelper::openFails()
{
    QVERIFY(link->CloseCommunication());
    QVERIFY(link->SetComPort(QStringLiteral("/dev/vx-no-such-port")));
    QVERIFY(!link->OpenCommunication());
    QVERIFY(!link->TransmitLogout());
}

// A pulled adapter must give one message, not a busy loop of errors.
void tst_SerialHelper::portFailure()
{
    QSignalSpy failures(link.get(), &SerialHelper::ReceivePortFailure);
    peer->close();
    QVERIFY(failures.wait(5000));

    // A plain event loop: qWait() would sleep between its rounds.
    auto *port = link->findChild<QSerialPort *>();
    QVERIFY(port);
    QSignalSpy portErrors(port, &QSerialPort::errorOccurred);
    const double before = cpuSeconds();
    QEventLoop idle;
    QTimer::singleShot(1000, &idle, &QEventLoop::quit);
    idle.exec();
    const double used = cpuSeconds() - before;
    QVERIFY2(used < 0.1, qPrintable(QStringLiteral("%1 s CPU in one idle second").arg(used)));
    QVERIFY2(portErrors.size() < 10, qPrintable(QString::number(portErrors.size())));
    QCOMPARE(failures.size(), 1);
    QVERIFY(!failures.first().first().toString().isEmpty());
    QVERIFY(!link->TransmitLogout());

    // Another port works again and may fail again.
    PtyPeer replacement;
    QVERIFY(link->SetComPort(replacement.portName()));
    QVERIFY(link->OpenCommunication());
    QVERIFY(replacement.sendAck());
    QVERIFY(log->waitFor(2));
    QCOMPARE(log->entries, (QStringList { "PortFailure", "Ack" }));
    replacement.close();
    QVERIFY(failures.wait(5000));
    QCOMPARE(failures.size(), 2);
}

void tst_SerialHelper::emptyWakeups()
{
    QSignalSpy failures(link.get(), &SerialHelper::ReceivePortFailure);
    // An odd empty notification is no failure...
    QMetaObject::invokeMethod(link.get(), "ReadSerialData");
    QVERIFY(peer->sendAck());
    QVERIFY(log->waitFor(1));
    QCOMPARE(failures.size(), 0);
    // ...a run of them is a vanished device.
    for (int i = 0; i < 1000; ++i)
        QMetaObject::invokeMethod(link.get(), "ReadSerialData");
    QCOMPARE(failures.size(), 1);
    QVERIFY(!link->TransmitLogout());
}

// Qt's serial port switches its read notifier off when a notification finds
// nothing to read and errno happens to be EAGAIN. That happens when the bytes
// the notification announced were taken in the same event-loop pass by a wait
// on the port (a queued step of the link, or anything else), and a
// non-blocking reader left errno at EAGAIN. The link must keep hearing.
void tst_SerialHelper::neverDeaf()
{
    auto *port = link->findChild<QSerialPort *>();
    QVERIFY(port);
    bool sent = false;
    connect(port, &QSerialPort::readyRead, this, [&] {
        // Connected after the link: runs once the link's receive step is done.
        if (sent) {
            peer->readAvailable();
            return;
        }
        // The next piece arrives while a queued step is pending that waits on
        // the port and so takes it before its notification is handled.
        sent = true;
        QVERIFY(peer->sendQueued(frame(33)));
        QMetaObject::invokeMethod(
            port, [port] { port->waitForReadyRead(0); }, Qt::QueuedConnection);
    });
    QVERIFY(peer->sendBytes(frame(32) + frame(32)));
    QVERIFY(log->waitFor(3));
    QVERIFY(QTest::qWaitFor([&] { return peer->unreadByProgram() == 0; }));
    QCOMPARE(log->take(), (QStringList { "Ack", "Ack", "Nak" }));

    // After a quiet spell, the adapter talks again.

    QVERIFY(peer->sendText("Marke\r\n"));
    QVERIFY2(log->waitFor(1, 1000), "deaf: the marker line never arrived");
    QVERIFY(peer->sendFrame(25, bytes("0102")));
    QVERIFY(log->waitFor(2, 1000));
    QCOMPARE(log->take(), (QStringList { "Text(Marke\r\n)", "StatusByte(1,2)" }));
    QCOMPARE(peer->unreadByProgram(), 0);
    QCOMPARE(port->bytesAvailable(), 0);
}

QTEST_GUILESS_MAIN(tst_SerialHelper)
#include "tst_serialhelper.moc"
