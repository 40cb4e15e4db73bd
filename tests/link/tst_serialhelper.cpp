#include "ptypeer.h"
#include "serialhelper.h"

#include <QFile>
#include <QSerialPort>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

#include <cerrno>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using Command = std::function<bool(SerialHelper &)>;
Q_DECLARE_METATYPE(Command)
using Codec = QByteArray (*)(const QByteArray &);
Q_DECLARE_METATYPE(Codec)

namespace {

QByteArray bytes(const char *hex)
{
    return QByteArray::fromHex(hex);
}

QByteArray frame(byte command, const QByteArray &payload = {})
{
    return PtyPeer::frameBytes(command, payload);
}

double cpuSeconds()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Every signal of the link as one short entry, in order.
class SignalLog : public QObject
{
public:
    explicit SignalLog(SerialHelper *link)
    {
        const auto hex = [](const QByteArray &b) { return QString::fromLatin1(b.toHex()); };

        connect(link, &SerialHelper::ReceiveStatusByte, this, [this, hex](byte a, byte s) {
            add(QStringLiteral("StatusByte(%1,%2)").arg(a).arg(s));
        });
        connect(link, &SerialHelper::ReceiveCallNumber, this,
            [this, hex](byte a, QByteArray n, byte s) {
                add(QStringLiteral("CallNumber(%1,%2,%3)").arg(a).arg(hex(n)).arg(s));
            });
        connect(
            link, &SerialHelper::ReceiveBusAddress, this, [this, hex](byte a, QByteArray address) {
                add(QStringLiteral("BusAddress(%1,%2)").arg(a).arg(hex(address)));
            });
        connect(link, &SerialHelper::ReceiveCallRedirectTime, this, [this, hex](byte t, bool max) {
            add(QStringLiteral("Time(%1,%2)").arg(t).arg(max ? "max" : "redirect"));
        });
        connect(link, &SerialHelper::ReceiveMasterPassword, this,
            [this, hex](QByteArray p) { add(QStringLiteral("MasterPassword(%1)").arg(hex(p))); });
        connect(link, &SerialHelper::ReceiveAcknowledge, this, [this] { add("Ack"); });
        connect(link, &SerialHelper::ReceiveNoAcknowledge, this, [this] { add("Nak"); });
        connect(link, &SerialHelper::ReceiveCharacterMessage, this, [this](const QString &text) {
            add(QStringLiteral("Text(%1)").arg(text));
            this->text += text;
        });
    }

    bool waitFor(int count, int timeoutMs = 5000)
    {
        return QTest::qWaitFor([&] { return entries.size() >= count; }, timeoutMs);
    }
    QStringList take() { return std::exchange(entries, {}); }

    QStringList entries;
    QString text; // all text joined

private:
    void add(const QString &entry) { entries << entry; }
};

} // namespace

class tst_SerialHelper : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void wireFrames_data();
    void wireFrames();
    void receive_data();
    void receive();
    void eventLoopInSlot();
    void strayStartByte_data();
    void strayStartByte();
    void neverDeaf();
    void setComPort();
    void openFails();
    void accessDenied();
    void portLost();
    void payloadCodes_data();
    void payloadCodes();

private:
    // Sends the bytes and a closing frame after them; returns what the link
    // raised before that frame.
    QStringList raisedFor(const QByteArray &bytes);

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
    QCOMPARE(link->errorString(), QString());
}

void tst_SerialHelper::cleanup()
{
    log.reset();
    link.reset();
    peer.reset();
}

QStringList tst_SerialHelper::raisedFor(const QByteArray &bytes)
{
    const QString end = QStringLiteral("MasterPassword(ee)");
    if (!peer->sendBytes(bytes) || !peer->sendFrame(0x0A, "\xee")
        || !QTest::qWaitFor([&] { return log->entries.contains(end); }))
        return { QStringLiteral("no closing frame") };
    QStringList raised = log->take();
    raised.removeLast();
    return raised;
}

// Every command as it must look on the wire; the adapter sends the same bytes
// back, and the link must read them as the frame the adapter read.
void tst_SerialHelper::wireFrames_data()
{
    QTest::addColumn<Command>("command");
    QTest::addColumn<QByteArray>("wire");

    QTest::newRow("logout") << Command([](SerialHelper &l) { return l.TransmitLogout(); })
                            << bytes("fe010001");
    QTest::newRow("login") << Command([](SerialHelper &l) {
        return l.TransmitLogin(EncodeDigits("1204"));
    }) << bytes("fe050001020a0416");
    QTest::newRow("master password twice")
        << Command([](SerialHelper &l) { return l.TransmitMasterPassword(EncodeDigits("9876")); })
        << bytes("fe0901090807060908070646");
    QTest::newRow("call number with a space")
        << Command([](SerialHelper &l) { return l.TransmitCallNumber(1, "120 3", 1); })
        << bytes("fe0702010101020a031b");
    QTest::newRow("empty call number")
        << Command([](SerialHelper &l) { return l.TransmitCallNumber(9, "", 2); })
        << bytes("fe0302090210");
    QTest::newRow("call number with a letter")
        << Command([](SerialHelper &l) { return l.TransmitCallNumber(0, "0x", 1); })
        << bytes("fe050200010aff11");
    QTest::newRow("longest frame: length 0 is 256")
        << Command([](SerialHelper &l) { return l.TransmitCallNumber(1, QByteArray(253, '1'), 1); })
        << bytes("fe0002") + QByteArray(255, '\x01') + bytes("01");
    QTest::newRow("max call time 30") << Command([](SerialHelper &l) {
        QTest::ignoreMessage(QtDebugMsg, "Transmitted: fe 02 04 1e 24 ");
        return l.TransmitCallRedirectTime(30, true);
    }) << bytes("fe02041e24");
    QTest::newRow("redirect time") << Command([](SerialHelper &l) {
        QTest::ignoreMessage(QtDebugMsg, "Transmitted: fe 02 03 63 68 ");
        return l.TransmitCallRedirectTime(99, false);
    }) << bytes("fe02036368");
    QTest::newRow("status byte, checksum fe escaped")
        << Command([](SerialHelper &l) { return l.TransmitStatusByte(2, 0xF4); })
        << bytes("fe030502f4fd01");
    QTest::newRow("status byte, checksum fd escaped")
        << Command([](SerialHelper &l) { return l.TransmitStatusByte(2, 0xF3); })
        << bytes("fe030502f3fd00");
    QTest::newRow("payload fe and fd escaped")
        << Command([](SerialHelper &l) { return l.TransmitStatusByte(0xFE, 0xFD); })
        << bytes("fe0305fd01fd0003");
    QTest::newRow("bus address A12")
        << Command([](SerialHelper &l) { return l.TransmitBusAddress(1, "12", "A"); })
        << bytes("fe0409010c415b");
    QTest::newRow("floor text no number")
        << Command([](SerialHelper &l) { return l.TransmitBusAddress(4, "x1", "B"); })
        << bytes("fe040904004253");
    QTest::newRow("floor cut to 8 bits")
        << Command([](SerialHelper &l) { return l.TransmitBusAddress(4, "300", "C"); })
        << bytes("fe0409042c4380");
    QTest::newRow("unlock attendee password")
        << Command([](SerialHelper &l) { return l.TransmitUnlockAttendeePassword(5); })
        << bytes("fe0207050e");
    QTest::newRow("lock attendee password")
        << Command([](SerialHelper &l) { return l.TransmitLockAttendeePassword(5); })
        << bytes("fe0208050f");
    QTest::newRow("request master password")
        << Command([](SerialHelper &l) { return l.RequestMasterPassword(); }) << bytes("fe010a0b");
    QTest::newRow("request call number 1, 2")
        << Command([](SerialHelper &l) { return l.RequestCallNumber(1, 2); })
        << bytes("fe0312010218");
    QTest::newRow("request redirect time")
        << Command([](SerialHelper &l) { return l.RequestCallRedirectTime(false); })
        << bytes("fe011314");
    QTest::newRow("request max call time")
        << Command([](SerialHelper &l) { return l.RequestCallRedirectTime(true); })
        << bytes("fe011415");
    QTest::newRow("request status byte 3")
        << Command([](SerialHelper &l) { return l.RequestStatusByte(3); }) << bytes("fe0219031e");
    QTest::newRow("request bus address")
        << Command([](SerialHelper &l) { return l.RequestBusAddress(7); }) << bytes("fe021f0728");
    QTest::newRow("acknowledge") << Command([](SerialHelper &l) { return l.TransmitAcknowledge(); })
                                 << bytes("fe012021");
    QTest::newRow("negative acknowledge")
        << Command([](SerialHelper &l) { return l.TransmitNoAcknowledge(); }) << bytes("fe012122");
    QTest::newRow("reset") << Command([](SerialHelper &l) { return l.TransmitReset(); })
                           << bytes("fe043852535435");
}

void tst_SerialHelper::wireFrames()
{
    QFETCH(Command, command);
    QFETCH(QByteArray, wire);

    QVERIFY(command(*link));
    QVERIFY(peer->waitForFrames(1));
    QCOMPARE(peer->takeRawBytes().toHex(' '), wire.toHex(' '));
    const PtyPeer::Frame sent = peer->takeFrames().first();

    QSignalSpy received(link.get(), &AdapterLink::frameReceived);
    raisedFor(wire);
    QCOMPARE(received.size(), 2); // and the closing frame
    const Frame frame = received.first().first().value<Frame>();
    QCOMPARE(frame.command, sent.command);
    QCOMPARE(frame.payload.toHex(), sent.payload.toHex());
}

void tst_SerialHelper::receive_data()
{
    QTest::addColumn<QByteArray>("batch");
    QTest::addColumn<QStringList>("raised");

    QTest::newRow("status byte") << frame(25, bytes("03f4")) << QStringList { "StatusByte(3,244)" };
    QTest::newRow("status byte of one byte")
        << frame(25, bytes("07")) << QStringList { "StatusByte(7,0)" };
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
    QTest::newRow("master password")
        << frame(10, bytes("0102030a")) << QStringList { "MasterPassword(0102030a)" };
    QTest::newRow("acknowledge") << frame(32) << QStringList { "Ack" };
    QTest::newRow("negative acknowledge") << frame(33) << QStringList { "Nak" };
    QTest::newRow("unknown command") << frame(0x40, bytes("01")) << QStringList {};
    QTest::newRow("text and frames in one batch")
        << "Ruf" + frame(33) + frame(25, bytes("01aa")) + "Ende\r\n"
        << QStringList { "Text(Ruf)", "Nak", "StatusByte(1,170)", "Text(Ende\r\n)" };
}

void tst_SerialHelper::receive()
{
    QFETCH(QByteArray, batch);
    QFETCH(QStringList, raised);

    QCOMPARE(raisedFor(batch), raised);
}

// A slot that shows a message box runs an event loop; what comes meanwhile
// is raised inside it, in wire order, each frame once.
void tst_SerialHelper::eventLoopInSlot()
{
    int acks = 0;
    connect(link.get(), &SerialHelper::ReceiveAcknowledge, this, [&] {
        if (++acks > 1)
            return;
        QVERIFY(peer->sendBytes("Spaeter" + frame(33)));
        QVERIFY(QTest::qWaitFor([&] { return log->entries.contains("Nak"); }, 1000));
    });
    QVERIFY(peer->sendBytes(frame(32) + frame(32)));
    QVERIFY(log->waitFor(4));
    QCOMPARE(raisedFor({}), (QStringList { "Ack", "Ack", "Text(Spaeter)", "Nak" }));
}

void tst_SerialHelper::strayStartByte_data()
{
    QTest::addColumn<QList<QByteArray>>("batches");

    QTest::newRow("a short line, then silence") << QList<QByteArray> { "\xfeHausruf 1:Tuer\r\n" };
    QList<QByteArray> chatter { "\xfe" };
    for (int i = 1; i <= 30; ++i)
        chatter << QStringLiteral("Ruf fuer Teilnehmer %1:Anruf\r\n").arg(i % 10).toLatin1();
    QTest::newRow("chatter goes on") << chatter;
}

// A start byte that begins no frame must not hide the text behind it.
void tst_SerialHelper::strayStartByte()
{
    QFETCH(QList<QByteArray>, batches);

    QByteArray text;
    for (const QByteArray &batch : std::as_const(batches)) {
        QVERIFY(peer->sendBytes(batch));
        text += batch;
    }
    text.remove(0, 1);
    QTRY_COMPARE(log->text, QString::fromLatin1(text));
    QCOMPARE(raisedFor(frame(32)).last(), QStringLiteral("Ack"));
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

void tst_SerialHelper::setComPort()
{
    // Closed: only the name changes, and nothing goes out.
    QVERIFY(link->CloseCommunication());
    PtyPeer other;
    QVERIFY(link->SetComPort(other.portName()));
    QVERIFY(!link->TransmitAcknowledge());
    QTest::ignoreMessage(QtDebugMsg, "SignalStatus: Port zu");
    link->signalStatus(QStringLiteral("Port zu"), QDateTime());

    // Open: reopened under the new name.
    QVERIFY(link->OpenCommunication());
    QVERIFY(link->SetComPort(peer->portName()));
    QVERIFY(link->TransmitNoAcknowledge());
    QVERIFY(peer->waitForFrames(1));
    QCOMPARE(other.frameCount(), 0);
}

void tst_SerialHelper::openFails()
{
    SerialHelper second;
    QVERIFY(second.SetComPort(peer->portName()));
    QVERIFY(!second.OpenCommunication());
    QVERIFY(!second.errorString().isEmpty());
    QVERIFY(!second.accessDenied()); // busy, not forbidden

    QVERIFY(link->CloseCommunication());
    QVERIFY(link->SetComPort(QStringLiteral("/dev/vx-no-such-port")));
    QVERIFY(!link->OpenCommunication());
    QCOMPARE(link->errorString(), qt_error_string(ENOENT));
    QVERIFY(!link->accessDenied());
    QVERIFY(!link->TransmitLogout());

    QVERIFY(second.OpenCommunication());
    QCOMPARE(second.errorString(), QString());
}

// A device this user may not open (as root: after becoming nobody).
void tst_SerialHelper::accessDenied()
{
    QVERIFY(link->CloseCommunication());
    QCOMPARE(::chmod(QFile::encodeName(peer->portName()).constData(), 0), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(2);
        SerialHelper other;
        other.SetComPort(peer->portName());
        const bool told = !other.OpenCommunication() && other.accessDenied()
            && other.errorString() == qt_error_string(EACCES);
        ::_exit(told ? 0 : 1);
    }
    int status = -1;
    QCOMPARE(::waitpid(child, &status, 0), child);
    QVERIFY(WIFEXITED(status));
    QCOMPARE(WEXITSTATUS(status), 0);
}

// A pulled adapter gives one message with its cause, not a busy loop of
// errors; the same port name works again once a device is back behind it.
void tst_SerialHelper::portLost()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("adapter"));
    QVERIFY(QFile::link(peer->portName(), path));
    QVERIFY(link->SetComPort(path));
    QSignalSpy failures(link.get(), &SerialHelper::ReceivePortFailure);

    for (int round = 0; round < 2; ++round) {
        QVERIFY(link->OpenCommunication());
        QCOMPARE(raisedFor(frame(32)), QStringList { "Ack" });
        peer->close();
        QVERIFY(failures.wait(5000));
        QCOMPARE(failures.size(), round + 1);
        QCOMPARE(failures.last().first().toString(), QStringLiteral("Gerät getrennt"));
        QCOMPARE(link->errorString(), QStringLiteral("Gerät getrennt"));
        QVERIFY(!link->TransmitLogout());

        // A plain event loop: qWait() would sleep between its rounds.
        const double before = cpuSeconds();
        QEventLoop idle;
        QTimer::singleShot(500, &idle, &QEventLoop::quit);
        idle.exec();
        QVERIFY2(cpuSeconds() - before < 0.05, "a dead port keeps the CPU busy");
        QCOMPARE(failures.size(), round + 1);

        peer = std::make_unique<PtyPeer>();
        QVERIFY(QFile::remove(path) && QFile::link(peer->portName(), path));
    }
}

void tst_SerialHelper::payloadCodes_data()
{
    QTest::addColumn<Codec>("codec");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("output");

    const auto encode = Codec(static_cast<QByteArray (*)(const QByteArray &)>(EncodeDigits));
    QTest::newRow("encode all digits")
        << encode << QByteArray("1234567890") << bytes("0102030405060708090a");
    QTest::newRow("encode: spaces dropped") << encode << QByteArray(" 0 1 ") << bytes("0a01");
    QTest::newRow("encode: no digit") << encode << QByteArray("1+2") << bytes("01ff02");
    QTest::newRow("encode up to a zero byte") << encode
                                              << QByteArray("12\0"
                                                            "34",
                                                     5)
                                              << bytes("0102");
    QTest::newRow("encode Latin-1 superscript two") << encode << QByteArray("\xb2") << bytes("02");
    QTest::newRow("decode call number")
        << Codec(DecodeDigits) << bytes("0a0301020a") << QByteArray("03120");
    QTest::newRow("decode: byte 0 is the digit 0")
        << Codec(DecodeDigits) << bytes("0500") << QByteArray("50");
    QTest::newRow("decode: no number") << Codec(DecodeDigits) << bytes("0102ff") << QByteArray();
    QTest::newRow("decode: signed values")
        << Codec(DecodeDigits) << bytes("0c80") << QByteArray("12-128");
    QTest::newRow("address A12") << Codec(DecodeBusAddress) << bytes("410c") << QByteArray("A12");
    QTest::newRow("address: 47 is a number")
        << Codec(DecodeBusAddress) << bytes("412f") << QByteArray("A47");
    QTest::newRow("address: 48 is a character")
        << Codec(DecodeBusAddress) << bytes("4130") << QByteArray("A0");
    QTest::newRow("address with fe: none")
        << Codec(DecodeBusAddress) << bytes("41fe") << QByteArray();
    QTest::newRow("address with @: none")
        << Codec(DecodeBusAddress) << bytes("400c") << QByteArray();
    QTest::newRow("hex dump") << Codec(HexDump) << bytes("fe020a") << QByteArray("fe 02 0a ");
}

void tst_SerialHelper::payloadCodes()
{
    QFETCH(Codec, codec);
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, output);

    QCOMPARE(codec(input), output);
}

QTEST_GUILESS_MAIN(tst_SerialHelper)
#include "tst_serialhelper.moc"
