#include "exchange.h"
#include "ptypeer.h"
#include "serialhelper.h"

#include <QFile>
#include <QSerialPort>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

#include <cerrno>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using Command = std::function<bool(SerialHelper &)>;
Q_DECLARE_METATYPE(Command)

namespace {

const auto bytes = QByteArray::fromHex;

QByteArray frame(byte command, const QByteArray &payload = {})
{
    return PtyPeer::frameBytes(command, payload);
}

// Every signal of the link as one short entry, in order.
class SignalLog : public QObject
{
public:
    explicit SignalLog(SerialHelper *link)
    {
        using S = SerialHelper;
        const auto hex = [](const QByteArray &b) { return QString::fromLatin1(b.toHex()); };
        // clang-format off
        connect(link, &S::ReceiveStatusByte, this, [=](byte a, byte s) { add(QStringLiteral("StatusByte(%1,%2)").arg(a).arg(s)); });
        connect(link, &S::ReceiveCallNumber, this, [=](byte a, QByteArray n, byte s) { add(QStringLiteral("CallNumber(%1,%2,%3)").arg(a).arg(hex(n)).arg(s)); });
        connect(link, &S::ReceiveBusAddress, this, [=](byte a, QByteArray b) { add(QStringLiteral("BusAddress(%1,%2)").arg(a).arg(hex(b))); });
        connect(link, &S::ReceiveCallRedirectTime, this, [=](byte t, bool max) { add(QStringLiteral("Time(%1,%2)").arg(t).arg(max ? "max" : "redirect")); });
        connect(link, &S::ReceiveMasterPassword, this, [=](QByteArray p) { add("MasterPassword(" + hex(p) + ')'); });
        connect(link, &S::ReceiveAcknowledge, this, [=] { add("Ack"); });
        connect(link, &S::ReceiveNoAcknowledge, this, [=] { add("Nak"); });
        connect(link, &S::ReceiveCharacterMessage, this, [=](const QString &t) { add("Text(" + t + ')'); });
        // clang-format on
    }

    bool waitFor(int count, int timeoutMs = 5000)
    {
        return QTest::qWaitFor([&] { return entries.size() >= count; }, timeoutMs);
    }
    QStringList take() { return std::exchange(entries, {}); }
    void add(const QString &entry) { entries << entry; }

    QStringList entries;
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
    void echoingLine();
    void answerReadBeforeItsCommand();
    void pauseOnTheLine_data();
    void pauseOnTheLine();
    void neverDeaf();
    void openAndClose();
    void accessDenied();
    void portLost();

private:
    // Sends the bytes and a closing frame; returns what came before that frame.
    QStringList raisedFor(const QByteArray &bytes);

    std::unique_ptr<PtyPeer> peer;
    std::unique_ptr<SerialHelper> link;
    std::unique_ptr<SignalLog> log;
};

void tst_SerialHelper::init()
{
    peer = std::make_unique<PtyPeer>();
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

    const auto row = [](const char *name, Command command, const QByteArray &wire) {
        QTest::newRow(name) << command << wire;
    };
    using L = SerialHelper &;
    // clang-format off
    row("logout", [](L l) { return l.TransmitLogout(); }, bytes("fe010001"));
    row("login", [](L l) { return l.TransmitLogin(EncodeDigits("1204")); }, bytes("fe050001020a0416"));
    row("master password twice", [](L l) { return l.TransmitMasterPassword(EncodeDigits("9876")); }, bytes("fe0901090807060908070646"));
    row("call number with a space", [](L l) { return l.TransmitCallNumber(1, "120 3", 1); }, bytes("fe0702010101020a031b"));
    row("empty call number", [](L l) { return l.TransmitCallNumber(9, "", 2); }, bytes("fe0302090210"));
    row("call number with a letter", [](L l) { return l.TransmitCallNumber(0, "0x", 1); }, bytes("fe050200010aff11"));
    row("longest frame: length 0 is 256", [](L l) { return l.TransmitCallNumber(1, QByteArray(253, '1'), 1); },
        bytes("fe0002") + QByteArray(255, '\x01') + bytes("01"));
    row("max call time 30", [](L l) { QTest::ignoreMessage(QtDebugMsg, "Transmitted: fe 02 04 1e 24 "); return l.TransmitCallRedirectTime(30, true); }, bytes("fe02041e24"));
    row("redirect time", [](L l) { QTest::ignoreMessage(QtDebugMsg, "Transmitted: fe 02 03 63 68 "); return l.TransmitCallRedirectTime(99, false); }, bytes("fe02036368"));
    row("status byte, checksum fe escaped", [](L l) { return l.TransmitStatusByte(2, 0xF4); }, bytes("fe030502f4fd01"));
    row("payload fe and fd escaped", [](L l) { return l.TransmitStatusByte(0xFE, 0xFD); }, bytes("fe0305fd01fd0003"));
    row("bus address A12", [](L l) { return l.TransmitBusAddress(1, "12", "A"); }, bytes("fe0409010c415b"));
    row("floor text no number", [](L l) { return l.TransmitBusAddress(4, "x1", "B"); }, bytes("fe040904004253"));
    row("floor cut to 8 bits", [](L l) { return l.TransmitBusAddress(4, "300", "C"); }, bytes("fe0409042c4380"));
    row("unlock attendee password", [](L l) { return l.TransmitUnlockAttendeePassword(5); }, bytes("fe0207050e"));
    row("lock attendee password", [](L l) { return l.TransmitLockAttendeePassword(5); }, bytes("fe0208050f"));
    row("request master password", [](L l) { return l.RequestMasterPassword(); }, bytes("fe010a0b"));
    row("request call number 1, 2", [](L l) { return l.RequestCallNumber(1, 2); }, bytes("fe0312010218"));
    row("request redirect time", [](L l) { return l.RequestCallRedirectTime(false); }, bytes("fe011314"));
    row("request max call time", [](L l) { return l.RequestCallRedirectTime(true); }, bytes("fe011415"));
    row("request status byte 3", [](L l) { return l.RequestStatusByte(3); }, bytes("fe0219031e"));
    row("request bus address", [](L l) { return l.RequestBusAddress(7); }, bytes("fe021f0728"));
    row("acknowledge", [](L l) { return l.TransmitAcknowledge(); }, bytes("fe012021"));
    row("negative acknowledge", [](L l) { return l.TransmitNoAcknowledge(); }, bytes("fe012122"));
    row("reset", [](L l) { return l.TransmitReset(); }, bytes("fe043852535435"));
    // clang-format on
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
    QSignalSpy echoes(link.get(), &SerialHelper::lineEchoes);
    raisedFor(wire);
    // The adapter sends no login: one coming back is the line's echo.
    const bool login = sent.command == LinkCommand::Login && !sent.payload.isEmpty();
    QCOMPARE(echoes.size(), login ? 1 : 0);
    QCOMPARE(received.size(), login ? 1 : 2); // and the closing frame
    if (login)
        return;
    const Frame frame = received.first().first().value<Frame>();
    QCOMPARE(frame.command, sent.command);
    QCOMPARE(frame.payload.toHex(), sent.payload.toHex());
}

void tst_SerialHelper::receive_data()
{
    QTest::addColumn<QByteArray>("batch");
    QTest::addColumn<QStringList>("raised");

    // clang-format off
    QTest::newRow("status byte") << frame(25, bytes("03f4")) << QStringList { "StatusByte(3,244)" };
    QTest::newRow("call number") << frame(18, bytes("0102010a03")) << QStringList { "CallNumber(1,010a03,2)" };
    QTest::newRow("call number without digits") << frame(18, bytes("0401")) << QStringList { "CallNumber(4,,1)" };
    QTest::newRow("redirect time") << frame(19, bytes("1e")) << QStringList { "Time(30,redirect)" };
    QTest::newRow("max call time") << frame(20, bytes("3c")) << QStringList { "Time(60,max)" };
    QTest::newRow("time without payload") << frame(20) << QStringList { "Time(0,max)" };
    QTest::newRow("bus address") << frame(31, bytes("020c41")) << QStringList { "BusAddress(2,0c41)" };
    QTest::newRow("bus address floor 0") << frame(31, bytes("050041")) << QStringList { "BusAddress(5,)" };
    QTest::newRow("master password") << frame(10, bytes("0102030a")) << QStringList { "MasterPassword(0102030a)" };
    QTest::newRow("acknowledge") << frame(32) << QStringList { "Ack" };
    QTest::newRow("negative acknowledge") << frame(33) << QStringList { "Nak" };
    QTest::newRow("unknown command") << frame(0x40, bytes("01")) << QStringList {};
    QTest::newRow("text and frames in one batch") << "Ruf" + frame(33) + frame(25, bytes("01aa")) + "Ende\r\n"
        << QStringList { "Text(Ruf)", "Nak", "StatusByte(1,170)", "Text(Ende\r\n)" };
    // clang-format on
}

void tst_SerialHelper::receive()
{
    QFETCH(QByteArray, batch);
    QFETCH(QStringList, raised);

    QCOMPARE(raisedFor(batch), raised);
}

// A message box in a slot: what comes meanwhile is raised in order, once.
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

// Once the login comes back byte for byte, the first copy of each frame sent
// is the line's: dropped, also when the answer looks the same (an empty call
// number answers with the bytes of its request).
void tst_SerialHelper::echoingLine()
{
    QSignalSpy echoes(link.get(), &SerialHelper::lineEchoes);
    QSignalSpy received(link.get(), &AdapterLink::frameReceived);
    peer->echoing = true;
    QVERIFY(link->TransmitLogin(EncodeDigits("1234")));
    QVERIFY(echoes.wait());
    QVERIFY(peer->sendAck());
    peer->takeFrames();
    for (const auto &[request, answer] :
        { std::pair { Frames::requestCallNumber(3, 1), bytes("0301") },
            std::pair { Frames::requestStatusByte(2), bytes("0210") } }) {
        QVERIFY(link->sendFrame(request));
        QVERIFY(peer->waitForFrames(1));
        QVERIFY(peer->sendFrame(request.command, answer));
        peer->takeFrames();
    }
    QVERIFY(QTest::qWaitFor([&] { return received.size() >= 3; }));
    QStringList frames;
    for (const QList<QVariant> &signal : std::as_const(received))
        frames << QString::fromLatin1(signal.first().value<Frame>().toWire().toHex());
    QCOMPARE(frames, (QStringList { "fe012021", "fe0312030119", "fe031902102e" }));
    QCOMPARE(echoes.size(), 1);
}

// Two answers in one batch: the second was read before the command its slot
// sends, so it cannot be that command's answer.
void tst_SerialHelper::answerReadBeforeItsCommand()
{
    Exchange exchange(link.get());
    QStringList log;
    connect(&exchange, &Exchange::answered, this, [&](auto, const Frame &answer, quint64) {
        log << QStringLiteral("answered %1").arg(answer.command, 0, 16);
        if (log.size() == 1)
            exchange.send(Exchange::Sequence, Frames::statusByte(4, 0x20), QStringLiteral("B"));
    });
    connect(&exchange, &Exchange::unexpectedFrame, this, [&](const Frame &frame) {
        log << QStringLiteral("unexpected %1").arg(frame.command, 0, 16);
    });
    exchange.send(Exchange::Sequence, Frames::statusByte(3, 0x20), QStringLiteral("A"));
    QVERIFY(peer->waitForFrames(1));
    QVERIFY(peer->sendBytes(frame(32) + frame(32)));
    QVERIFY(peer->waitForFrames(2));
    QVERIFY(peer->sendNak());
    QVERIFY(QTest::qWaitFor([&] { return log.size() >= 3; }));
    QCOMPARE(log, (QStringList { "answered 20", "unexpected 20", "answered 21" }));
}

// A USB-serial converter or a radio link holds bytes back: a frame paused
// inside still comes whole. A start byte of no frame hides no line, even when
// nothing more comes.
void tst_SerialHelper::pauseOnTheLine_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after"); // after a pause; empty: nothing more
    QTest::addColumn<QStringList>("raised");

    const QByteArray status = frame(25, bytes("03f4"));
    // clang-format off
    QTest::newRow("frame paused inside") << status.left(3) << status.mid(3) << QStringList { "StatusByte(3,244)" };
    QTest::newRow("stray start byte, then silence") << QByteArray("Anruf\xfeHausruf 1:Tuer\r\n") << QByteArray() << QStringList { "Text(Anruf)", "Text(Hausruf 1:Tuer\r\n)" };
    // clang-format on
}

void tst_SerialHelper::pauseOnTheLine()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    QFETCH(QStringList, raised);

    QVERIFY(peer->sendBytes(before));
    if (!after.isEmpty()) {
        QTest::qWait(300); // the pause on the line
        QVERIFY(peer->sendBytes(after));
    }
    QVERIFY(log->waitFor(int(raised.size()), 3000));
    QCOMPARE(log->take(), raised);
}

// Qt's serial port switches its read notifier off after a notification that
// finds nothing while errno is EAGAIN: here a wait in a queued step takes the
// bytes first, and a non-blocking read leaves EAGAIN. The link keeps hearing.
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
        // The next piece comes while a queued step that waits on the port is due.
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
    QVERIFY(peer->sendBytes("Marke\r\n"));
    QVERIFY2(log->waitFor(1, 1000), "deaf: the marker line never arrived");
    QVERIFY(peer->sendFrame(25, bytes("0102")));
    QVERIFY(log->waitFor(2, 1000));
    QCOMPARE(log->take(), (QStringList { "Text(Marke\r\n)", "StatusByte(1,2)" }));
    QCOMPARE(peer->unreadByProgram(), 0);
    QCOMPARE(port->bytesAvailable(), 0);
}

void tst_SerialHelper::openAndClose()
{
    // Taken by another link: busy, not forbidden.
    SerialHelper second;
    QVERIFY(second.SetComPort(peer->portName()));
    QVERIFY(!second.OpenCommunication());
    QVERIFY(!second.errorString().isEmpty());
    QVERIFY(!second.accessDenied());

    // Closed: only the name changes, and nothing goes out.
    QVERIFY(link->CloseCommunication());
    QVERIFY(link->SetComPort(QStringLiteral("/dev/vx-no-such-port")));
    QVERIFY(!link->TransmitAcknowledge());
    QVERIFY(!link->OpenCommunication());
    QCOMPARE(link->errorString(), qt_error_string(ENOENT));
    QVERIFY(!link->accessDenied());
    QTest::ignoreMessage(QtDebugMsg, "SignalStatus: zu");
    link->signalStatus(QStringLiteral("zu"), QDateTime());

    // Open: reopened under the new name.
    QVERIFY(second.OpenCommunication());
    QCOMPARE(second.errorString(), QString());
    PtyPeer other;
    QVERIFY(second.SetComPort(other.portName()));
    QVERIFY(second.TransmitNoAcknowledge());
    QVERIFY(other.waitForFrames(1));
    QVERIFY(peer->takeFrames().isEmpty());
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

// A pulled adapter: one message with its cause; the same name opens again.
void tst_SerialHelper::portLost()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("adapter"));
    QVERIFY(QFile::link(peer->portName(), path));
    QVERIFY(link->SetComPort(path));
    QSignalSpy failures(link.get(), &SerialHelper::ReceivePortFailure);

    for (int round = 1; round <= 2; ++round) {
        QVERIFY(link->OpenCommunication());
        QCOMPARE(raisedFor(frame(32)), QStringList { "Ack" });
        peer->close();
        QVERIFY(failures.wait(5000));
        QCOMPARE(failures.last().first().toString(), QStringLiteral("Gerät getrennt"));
        QCOMPARE(link->errorString(), QStringLiteral("Gerät getrennt"));
        QVERIFY(!link->TransmitLogout());

        QVERIFY(!failures.wait(200)); // once, and closed: no busy loop of errors
        QCOMPARE(failures.size(), round);

        peer = std::make_unique<PtyPeer>();
        QVERIFY(QFile::remove(path) && QFile::link(peer->portName(), path));
    }
}

QTEST_GUILESS_MAIN(tst_SerialHelper)
#include "tst_serialhelper.moc"
