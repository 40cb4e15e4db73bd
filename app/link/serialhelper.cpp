#include "serialhelper.h"

#include <QFile>
#include <QTimer>
#include <QtDebug>

#include <cerrno>
#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>
#ifdef Q_OS_LINUX
#include <linux/serial.h>
#endif

namespace {

// How often the port is checked for bytes left unread, whatever its read
// notifier does (see checkUnread()); no byte waits much longer than this.
constexpr int UnreadCheckMs = 50;

// A frame may stall between two bytes: a USB-serial converter passes bytes on
// in bursts (up to 255 ms apart), radio and network links pause. A start byte
// whose frame stops for longer than this is a stray one, and the text behind
// it must not wait for more.
constexpr int FramePauseLimitMs = 1000;

// A vanished device that does not show as hung up still shows as an endless
// run of read errors. Single ones are harmless: Qt's serial port reports one
// when a notification finds its bytes already taken.
constexpr int DeadPortLimit = 64;

// Enough for any frame still queued at 9600 baud when the port is closed.
constexpr int CloseDrainMs = 500;

// Echoes come back within a frame's time; more than a few never do (noise).
constexpr int EchoesDueLimit = 8;

// Where QSerialPort looks for a port name on this system.
QString devicePath(const QString &portName)
{
    return portName.startsWith(u'/') ? portName : QStringLiteral("/dev/") + portName;
}

// Whether the device refuses this user, as opposed to being busy or missing.
bool accessRefused(const QString &path)
{
    return ::access(QFile::encodeName(path).constData(), R_OK | W_OK) != 0 && errno == EACCES;
}

} // namespace

SerialHelper::SerialHelper(QObject *parent)
    : AdapterLink(parent)
    , port(new QSerialPort(this))
    , guard(new QTimer(this))
{
    connect(
        port, &QSerialPort::readyRead, this, &SerialHelper::ReadSerialData, Qt::DirectConnection);
    connect(port, &QSerialPort::errorOccurred, this, &SerialHelper::portError);
    guard->setInterval(UnreadCheckMs);
    connect(guard, &QTimer::timeout, this, &SerialHelper::checkUnread);
}

SerialHelper::~SerialHelper()
{
    restoreLatency(); // the port, a child, is still there
}

bool SerialHelper::sendFrame(const Frame &frame)
{
    if (!port->isOpen())
        return false;
    // Whatever the port holds already came before this frame, and is counted
    // so; it is raised where reading goes on.
    readFrom(port);
    const QByteArray wire = frame.toWire();
    if (echoes) {
        echoesDue.append(wire);
        if (echoesDue.size() > EchoesDueLimit)
            echoesDue.removeFirst();
    } else if (frame.command == LinkCommand::Login && !frame.payload.isEmpty()) {
        loginWire = wire;
    }
    return WriteSerialData(wire);
}

QString SerialHelper::portName() const
{
    return port->portName();
}

bool SerialHelper::isOpen() const
{
    return port->isOpen();
}

void SerialHelper::signalStatus(const QString &s, const QDateTime &d)
{
    Q_UNUSED(d)
    qDebug("SignalStatus: %s", s.toLatin1().constData());
}

bool SerialHelper::TransmitStatusByte(byte attendee, byte statusbyte)
{
    return sendFrame(Frames::statusByte(attendee, statusbyte));
}

bool SerialHelper::TransmitCallNumber(byte attendee, const QByteArray &callnumber, byte number)
{
    return sendFrame(Frames::callNumber(attendee, callnumber, number));
}

bool SerialHelper::TransmitBusAddress(
    byte attendee, const QByteArray &etage, const QByteArray &flat)
{
    return sendFrame(Frames::busAddress(attendee, etage, flat));
}

bool SerialHelper::TransmitCallRedirectTime(byte time, bool max)
{
    const Frame frame = Frames::callRedirectTime(time, max);
    qDebug("Transmitted: %s", HexDump(frame.toWire()).constData());
    return sendFrame(frame);
}

// The caller hands passwords over in the digit code already.
bool SerialHelper::TransmitMasterPassword(const QByteArray &password)
{
    return sendFrame(Frames::codedMasterPassword(password));
}

bool SerialHelper::TransmitLogin(const QByteArray &password)
{
    return sendFrame(Frames::codedLogin(password));
}

bool SerialHelper::TransmitLogout()
{
    return sendFrame(Frames::logout());
}

bool SerialHelper::TransmitAcknowledge()
{
    return sendFrame(Frames::acknowledge());
}

bool SerialHelper::TransmitNoAcknowledge()
{
    return sendFrame(Frames::noAcknowledge());
}

bool SerialHelper::TransmitReset()
{
    return sendFrame(Frames::reset());
}

bool SerialHelper::TransmitLockAttendeePassword(byte attendee)
{
    return sendFrame(Frames::lockAttendeePassword(attendee));
}

bool SerialHelper::TransmitUnlockAttendeePassword(byte attendee)
{
    return sendFrame(Frames::unlockAttendeePassword(attendee));
}

bool SerialHelper::RequestStatusByte(byte attendee)
{
    return sendFrame(Frames::requestStatusByte(attendee));
}

bool SerialHelper::RequestCallNumber(byte attendee, byte number)
{
    return sendFrame(Frames::requestCallNumber(attendee, number));
}

bool SerialHelper::RequestBusAddress(byte attendee)
{
    return sendFrame(Frames::requestBusAddress(attendee));
}

bool SerialHelper::RequestMasterPassword()
{
    return sendFrame(Frames::requestMasterPassword());
}

bool SerialHelper::RequestCallRedirectTime(bool max)
{
    return sendFrame(Frames::requestCallRedirectTime(max));
}

bool SerialHelper::SetComPort(const QString &portName)
{
    if (!port->isOpen()) {
        port->setPortName(portName);
        return true;
    }
    CloseCommunication();
    port->setPortName(portName);
    return OpenCommunication();
}

bool SerialHelper::OpenCommunication()
{
    if (!port->isOpen()) {
        forgetLine();
        deadPortSigns = 0;
        m_errorString.clear();
        m_accessDenied = false;
        m_inUse = false;
        if (!port->open(QIODevice::ReadWrite)) {
            m_errorString = port->errorString();
            // The toolkit takes a lock file and exclusive use of the device;
            // either held by another program fails as a permission error too.
            const QString path = devicePath(port->portName());
            const bool permission = port->error() == QSerialPort::PermissionError;
            m_accessDenied = permission && accessRefused(path);
            m_inUse = permission && !m_accessDenied;
            if (m_inUse)
                m_errorString
                    = tr("Die Schnittstelle %1 wird von einem anderen Programm benutzt.").arg(path);
        }
    }
    port->setBaudRate(QSerialPort::Baud9600);
    port->setDataBits(QSerialPort::Data8);
    port->setStopBits(QSerialPort::OneStop);
    port->setParity(QSerialPort::NoParity);
    port->setFlowControl(QSerialPort::NoFlowControl);
    if (port->isOpen()) {
        guard->start();
        lowerLatency();
    }
    return port->isOpen();
}

bool SerialHelper::CloseCommunication()
{
    if (port->isOpen()) {
        // QSerialPort writes from the event loop; without this, a command sent
        // just before closing (the logout when the window closes) is lost.
        if (port->bytesToWrite() > 0)
            port->waitForBytesWritten(CloseDrainMs);
        restoreLatency();
        port->close();
    }
    guard->stop();
    forgetLine();
    return !port->isOpen();
}

void SerialHelper::ResetCommunication()
{
    port->clear();
}

void SerialHelper::ReadSerialData()
{
    if (port->isOpen())
        receiveFrom(port);
}

bool SerialHelper::WriteSerialData(const QByteArray &data)
{
    return port->isOpen() && port->write(data) != -1;
}

qint64 SerialHelper::receiveFrom(QIODevice *device)
{
    const qint64 taken = readFrom(device);
    raiseItems();
    return taken;
}

qint64 SerialHelper::readFrom(QIODevice *device)
{
    const qint64 taken = reader.readFrom(device);
    if (taken > 0) {
        deadPortSigns = 0;
        sinceLastByte.start();
    }
    takeItems();
    return taken;
}

void SerialHelper::takeItems()
{
    while (reader.hasItem()) {
        ReadItem read { reader.takeItem() };
        if (read.item.kind == FrameReader::Item::FrameItem)
            read.order = countRead();
        queue.enqueue(read);
    }
}

// Slots may run event loops in which more bytes come in and get raised from
// here again; each item is taken before it is raised, so none comes twice and
// they keep their order.
void SerialHelper::raiseItems()
{
    while (!queue.isEmpty()) {
        const ReadItem read = queue.dequeue();
        if (read.item.kind == FrameReader::Item::TextItem)
            emit ReceiveCharacterMessage(read.item.text());
        else if (!isEcho(read.item.wire))
            dispatch(read.item.frame, read.order);
    }
}

bool SerialHelper::isEcho(const QByteArray &wire)
{
    if (echoes)
        return echoesDue.removeOne(wire);
    // The adapter never sends a login; a copy of one is the line's.
    if (loginWire.isEmpty() || wire != loginWire)
        return false;
    echoes = true;
    loginWire.clear();
    emit lineEchoes();
    return true;
}

void SerialHelper::forgetLine()
{
    reader.clear();
    queue.clear();
    loginWire.clear();
    echoes = false;
    echoesDue.clear();
}

void SerialHelper::dispatch(const Frame &frame, quint64 order)
{
    emit frameReceived(frame, order);
    switch (frame.command) {
    case LinkCommand::ReadMasterPassword:
        emit ReceiveMasterPassword(frame.payload);
        break;
    case LinkCommand::ReadCallNumber:
        emit ReceiveCallNumber(frame.at(0), frame.payload.mid(2), frame.at(1));
        break;
    case LinkCommand::ReadCallRedirectTime:
        emit ReceiveCallRedirectTime(frame.at(0), false);
        break;
    case LinkCommand::ReadMaxCallTime:
        emit ReceiveCallRedirectTime(frame.at(0), true);
        break;
    case LinkCommand::ReadStatusByte:
        emit ReceiveStatusByte(frame.at(0), frame.at(1));
        break;
    case LinkCommand::ReadBusAddress:
        emit ReceiveBusAddress(frame.at(0), frame.at(1) != 0 ? frame.payload.mid(1) : QByteArray());
        break;
    case LinkCommand::Acknowledge:
        emit ReceiveAcknowledge();
        break;
    case LinkCommand::NoAcknowledge:
        emit ReceiveNoAcknowledge();
        break;
    default:
        break;
    }
}

// QSerialPort reads only when its notifier fires and announces new bytes only
// outside its own readyRead(): bytes that come in while a slot of this link
// runs an event loop stay in its buffer unannounced, and a notification that
// finds its bytes already taken may switch the notifier off for good. This
// check runs all the time the port is open and takes whatever waits.
void SerialHelper::checkUnread()
{
    if (!port->isOpen())
        return;
    int waiting = 0;
    if (::ioctl(port->handle(), FIONREAD, &waiting) == 0 && waiting > 0)
        port->waitForReadyRead(0);
    // Reading, even from an empty buffer, switches the notifier on again.
    if (port->isOpen())
        receiveFrom(port);
    if (reader.hasPartialFrame() && sinceLastByte.hasExpired(FramePauseLimitMs)) {
        reader.abandonPartialFrame();
        takeItems();
        raiseItems();
    }
}

void SerialHelper::portError(QSerialPort::SerialPortError error)
{
    if ((error != QSerialPort::ResourceError && error != QSerialPort::ReadError) || !port->isOpen())
        return;
    const bool hungUp = isHungUp();
    if (hungUp || ++deadPortSigns >= DeadPortLimit) {
        // After a hang-up, reads find nothing and errno tells nothing.
        const QString reason = hungUp ? tr("Gerät getrennt") : port->errorString();
        // Not from inside the port's notification, whose notifier closing deletes.
        QMetaObject::invokeMethod(
            this, [this, reason] { failPort(reason); }, Qt::QueuedConnection);
        return;
    }
    // A notification found its bytes taken already and errno told a stale
    // story; reading switches the notifier, which the port just turned off,
    // on again.
    receiveFrom(port);
}

bool SerialHelper::isHungUp() const
{
    if (!port->isOpen())
        return false;
    pollfd watch { port->handle(), POLLIN, 0 };
    return ::poll(&watch, 1, 0) > 0 && (watch.revents & (POLLHUP | POLLERR | POLLNVAL));
}

void SerialHelper::failPort(const QString &reason)
{
    // A dead port keeps the read notifier firing; closing it ends that, and the
    // user hears about it once.
    if (!port->isOpen())
        return;
    restoreLatency();
    port->close(); // nothing queued for writing can reach a dead port anyway
    guard->stop();
    forgetLine();
    m_errorString = reason;
    emit ReceivePortFailure(reason);
}

// A USB-serial converter holds received bytes back until its latency timer runs
// out (16 ms on an FTDI chip) unless the driver is asked for low latency; every
// answer of the adapter, 123 of them in a safe write, would wait that long.
// Best effort: a pseudo-terminal refuses the request, and where the driver has
// no such timer the flag costs nothing.
void SerialHelper::lowerLatency()
{
#ifdef Q_OS_LINUX
    serial_struct serial {};
    if (m_lowLatencySet || ::ioctl(port->handle(), TIOCGSERIAL, &serial) != 0
        || (serial.flags & ASYNC_LOW_LATENCY))
        return;
    serial.flags |= ASYNC_LOW_LATENCY;
    m_lowLatencySet = ::ioctl(port->handle(), TIOCSSERIAL, &serial) == 0;
#endif
}

// The device is left as it was found, for whatever opens it next.
void SerialHelper::restoreLatency()
{
#ifdef Q_OS_LINUX
    serial_struct serial {};
    if (m_lowLatencySet && port->isOpen() && ::ioctl(port->handle(), TIOCGSERIAL, &serial) == 0) {
        serial.flags &= ~ASYNC_LOW_LATENCY;
        ::ioctl(port->handle(), TIOCSSERIAL, &serial);
    }
    m_lowLatencySet = false;
#endif
}
