#include "serialhelper.h"

#include <QFile>
#include <QTimer>
#include <QtDebug>

#include <cerrno>
#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {

// How often the port is checked for bytes left unread, whatever its read
// notifier does (see checkUnread()); no byte waits much longer than this.
constexpr int UnreadCheckMs = 50;

// A frame arrives at serial speed in one go; a start byte whose frame stops for
// this long is a stray one, and the text behind it must not wait for more.
constexpr int FramePauseLimitMs = 200;

// A vanished device that does not show as hung up still shows as an endless
// run of read errors. Single ones are harmless: Qt's serial port reports one
// when a notification finds its bytes already taken.
constexpr int DeadPortLimit = 64;

// Enough for any frame still queued at 9600 baud when the port is closed.
constexpr int CloseDrainMs = 500;

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

SerialHelper::~SerialHelper() = default;

bool SerialHelper::sendFrame(const Frame &frame)
{
    return transmit(frame);
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
    return transmit(Frames::statusByte(attendee, statusbyte));
}

bool SerialHelper::TransmitCallNumber(byte attendee, const QByteArray &callnumber, byte number)
{
    return transmit(Frames::callNumber(attendee, callnumber, number));
}

bool SerialHelper::TransmitBusAddress(
    byte attendee, const QByteArray &etage, const QByteArray &flat)
{
    return transmit(Frames::busAddress(attendee, etage, flat));
}

bool SerialHelper::TransmitCallRedirectTime(byte time, bool max)
{
    const QByteArray wire = Frames::callRedirectTime(time, max).toWire();
    qDebug("Transmitted: %s", HexDump(wire).constData());
    return WriteSerialData(wire);
}

// The caller hands passwords over in the digit code already.
bool SerialHelper::TransmitMasterPassword(const QByteArray &password)
{
    return transmit({ LinkCommand::MasterPassword, password + password });
}

bool SerialHelper::TransmitLogin(const QByteArray &password)
{
    return transmit({ LinkCommand::Login, password });
}

bool SerialHelper::TransmitLogout()
{
    return transmit(Frames::logout());
}

bool SerialHelper::TransmitAcknowledge()
{
    return transmit(Frames::acknowledge());
}

bool SerialHelper::TransmitNoAcknowledge()
{
    return transmit(Frames::noAcknowledge());
}

bool SerialHelper::TransmitReset()
{
    return transmit(Frames::reset());
}

bool SerialHelper::TransmitLockAttendeePassword(byte attendee)
{
    return transmit(Frames::lockAttendeePassword(attendee));
}

bool SerialHelper::TransmitUnlockAttendeePassword(byte attendee)
{
    return transmit(Frames::unlockAttendeePassword(attendee));
}

bool SerialHelper::RequestStatusByte(byte attendee)
{
    return transmit(Frames::requestStatusByte(attendee));
}

bool SerialHelper::RequestCallNumber(byte attendee, byte number)
{
    return transmit(Frames::requestCallNumber(attendee, number));
}

bool SerialHelper::RequestBusAddress(byte attendee)
{
    return transmit(Frames::requestBusAddress(attendee));
}

bool SerialHelper::RequestMasterPassword()
{
    return transmit(Frames::requestMasterPassword());
}

bool SerialHelper::RequestCallRedirectTime(bool max)
{
    return transmit(Frames::requestCallRedirectTime(max));
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
        reader.clear();
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
    if (port->isOpen())
        guard->start();
    return port->isOpen();
}

bool SerialHelper::CloseCommunication()
{
    if (port->isOpen()) {
        // QSerialPort writes from the event loop; without this, a command sent
        // just before closing (the logout when the window closes) is lost.
        if (port->bytesToWrite() > 0)
            port->waitForBytesWritten(CloseDrainMs);
        port->close();
    }
    guard->stop();
    reader.clear();
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
    const qint64 taken = reader.readFrom(device);
    if (taken > 0) {
        deadPortSigns = 0;
        sinceLastByte.start();
    }
    raiseItems();
    return taken;
}

// Slots may run event loops in which more bytes come in and get raised from
// here again; each item is taken before it is raised, so none comes twice and
// they keep their order.
void SerialHelper::raiseItems()
{
    while (reader.hasItem()) {
        const FrameReader::Item item = reader.takeItem();
        if (item.kind == FrameReader::Item::FrameItem)
            dispatch(item.frame);
        else
            emit ReceiveCharacterMessage(item.text());
    }
}

bool SerialHelper::transmit(const Frame &frame)
{
    return WriteSerialData(frame.toWire());
}

void SerialHelper::dispatch(const Frame &frame)
{
    emit frameReceived(frame);
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
    port->close(); // nothing queued for writing can reach a dead port anyway
    guard->stop();
    reader.clear();
    m_errorString = reason;
    emit ReceivePortFailure(reason);
}
