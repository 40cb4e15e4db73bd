#include "serialhelper.h"

#include "communicationpackage.h"

#include <QSerialPort>
#include <QtDebug>

#include <poll.h>

namespace {

// How long a receive step waits for the rest of a frame or for an answer.
constexpr int ReceiveWaitMs = 50;

// A vanished device shows as an endless run of read errors or, with some
// QtSerialPort releases, of read notifications with nothing to read. Single
// ones are harmless: QtSerialPort 6.4 reports a read error when a notification
// arrives for bytes that waitForReadyRead() has already fetched.
constexpr int DeadPortLimit = 64;

// Enough for any frame still queued at 9600 baud when the port is closed.
constexpr int CloseDrainMs = 500;

byte payloadByte(const QByteArray &data, int index)
{
    return index < data.size() ? byte(data.at(index)) : byte(0);
}

} // namespace

SerialHelper::SerialHelper(QObject *parent)
    : AdapterLink(parent)
    , port(new QSerialPort(this))
    , receiver(new CommunicationPackage(this))
{
    connect(
        port, &QSerialPort::readyRead, this, &SerialHelper::ReadSerialData, Qt::DirectConnection);
    connect(port, &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError error) {
        // QtSerialPort derives the error from a stale errno when a read finds
        // nothing, so a ResourceError alone does not prove the device is gone.
        if (error != QSerialPort::ResourceError && error != QSerialPort::ReadError)
            return;
        if (isHungUp() || ++deadPortSigns >= DeadPortLimit)
            failPort();
    });
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
    deadPortSigns = 0;
    port->open(QIODevice::ReadWrite);
    port->setBaudRate(QSerialPort::Baud9600);
    port->setDataBits(QSerialPort::Data8);
    port->setStopBits(QSerialPort::OneStop);
    port->setParity(QSerialPort::NoParity);
    port->setFlowControl(QSerialPort::NoFlowControl);
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
    return !port->isOpen();
}

void SerialHelper::ResetCommunication()
{
    port->clear();
}

void SerialHelper::ReadSerialData()
{
    readQueued = false;
    if (!port->isOpen())
        return;
    if (!readFrame(port)) {
        if (++deadPortSigns >= DeadPortLimit)
            failPort();
        return;
    }
    deadPortSigns = 0;
    if (!port->isOpen())
        return;
    port->flush();
    port->waitForReadyRead(ReceiveWaitMs);
    // QSerialPort announces only bytes that are new to its buffer, and not at
    // all those that the wait above fetched inside a readyRead() handler; what
    // is left would wait for the next byte from the adapter, which may never
    // come. So go on with the next frame once control is back in the loop.
    if (port->isOpen() && port->bytesAvailable() > 0 && !readQueued) {
        readQueued = true;
        QMetaObject::invokeMethod(this, &SerialHelper::ReadSerialData, Qt::QueuedConnection);
    }
}

bool SerialHelper::WriteSerialData(const QByteArray &data)
{
    return port->write(data) != -1;
}

bool SerialHelper::readFrame(QIODevice *device)
{
    qint64 available = device->bytesAvailable();
    if (available <= 0)
        return false;
    while (available > 0) {
        char c = 0;
        const qint64 got = device->read(&c, 1);
        if (got <= 0)
            break;
        receiver->AddByte(byte(c));
        if (receiver->IsComplete())
            break;
        available -= got;
    }

    // The receiver is emptied before the signal goes out: a slot that runs an
    // event loop (a message box) may lead to a nested receive step, which must
    // not see this frame again.
    if (receiver->IsComplete()) {
        const byte command = receiver->Command();
        const QByteArray data = receiver->Data();
        receiver->Reset();
        dispatch(command, data);
    } else if (receiver->RawData().startsWith(char(FrameStart))) {
        // A frame is under way; the next step goes on with it.
    } else {
        QByteArray text = receiver->RawData();
        const int end = text.indexOf('\0');
        if (end >= 0)
            text.truncate(end);
        receiver->Reset();
        emit ReceiveCharacterMessage(QString::fromLatin1(text));
    }
    return true;
}

bool SerialHelper::transmit(const Frame &frame)
{
    return WriteSerialData(frame.toWire());
}

void SerialHelper::dispatch(byte command, const QByteArray &data)
{
    emit frameReceived(Frame { command, data });
    switch (command) {
    case LinkCommand::ReadMasterPassword:
        emit ReceiveMasterPassword(data);
        break;
    case LinkCommand::ReadCallNumber:
        emit ReceiveCallNumber(payloadByte(data, 0), data.mid(2), payloadByte(data, 1));
        break;
    case LinkCommand::ReadCallRedirectTime:
        emit ReceiveCallRedirectTime(payloadByte(data, 0), false);
        break;
    case LinkCommand::ReadMaxCallTime:
        emit ReceiveCallRedirectTime(payloadByte(data, 0), true);
        break;
    case LinkCommand::ReadStatusByte:
        emit ReceiveStatusByte(payloadByte(data, 0), payloadByte(data, 1));
        break;
    case LinkCommand::ReadBusAddress:
        if (payloadByte(data, 1) != 0)
            emit ReceiveBusAddress(payloadByte(data, 0), data.mid(1));
        else
            emit ReceiveBusAddress(payloadByte(data, 0), QByteArray());
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

bool SerialHelper::isHungUp() const
{
    if (!port->isOpen())
        return false;
    pollfd watch { port->handle(), POLLIN, 0 };
    return ::poll(&watch, 1, 0) > 0 && (watch.revents & (POLLHUP | POLLERR | POLLNVAL));
}

void SerialHelper::failPort()
{
    // A dead port keeps the read notifier firing; closing it ends that, and the
    // user hears about it once.
    if (!port->isOpen())
        return;
    const QString name = port->portName();
    port->close();
    emit ReceivePortFailure(tr("Die Schnittstelle %1 ist nicht mehr erreichbar.").arg(name));
}
