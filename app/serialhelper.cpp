#include "serialhelper.h"

#include "communicationpackage.h"

#include <QSerialPort>
#include <QtDebug>

#include <initializer_list>

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

// QByteArray has no list constructor: {a, b} would make a copies of b.
QByteArray payloadOf(std::initializer_list<byte> values)
{
    QByteArray payload;
    for (byte value : values)
        payload.append(char(value));
    return payload;
}

byte payloadByte(const QByteArray &data, int index)
{
    return index < data.size() ? byte(data.at(index)) : byte(0);
}

} // namespace

SerialHelper::SerialHelper(QObject *parent)
    : QObject(parent)
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

void SerialHelper::signalStatus(const QString &s, const QDateTime &d)
{
    Q_UNUSED(d)
    qDebug("SignalStatus: %s", s.toLatin1().constData());
}

bool SerialHelper::TransmitStatusByte(byte attendee, byte statusbyte)
{
    return transmit(LinkCommand::StatusByte, payloadOf({ attendee, statusbyte }));
}

bool SerialHelper::TransmitCallNumber(byte attendee, const QByteArray &callnumber, byte number)
{
    return transmit(
        LinkCommand::CallNumber, payloadOf({ attendee, number }) + EncodeDigits(callnumber));
}

bool SerialHelper::TransmitBusAddress(
    byte attendee, const QByteArray &etage, const QByteArray &flat)
{
    bool ok = false;
    int floor = etage.toInt(&ok, 10);
    if (!ok)
        floor = 0;
    return transmit(LinkCommand::BusAddress, payloadOf({ attendee, byte(floor) }) + flat);
}

bool SerialHelper::TransmitCallRedirectTime(byte time, bool max)
{
    CommunicationPackage package;
    package.SetCommand(max ? LinkCommand::MaxCallTime : LinkCommand::CallRedirectTime);
    package.SetData(QByteArray(1, char(time)));
    package.CalculateChecksum();
    const QByteArray frame = package.ToByteArray();
    qDebug("Transmitted: %s", HexDump(frame).constData());
    return WriteSerialData(frame);
}

bool SerialHelper::TransmitMasterPassword(const QByteArray &password)
{
    return transmit(LinkCommand::MasterPassword, password + password);
}

bool SerialHelper::TransmitLogin(const QByteArray &password)
{
    return transmit(LinkCommand::Login, password);
}

bool SerialHelper::TransmitLogout()
{
    return transmit(LinkCommand::Login);
}

bool SerialHelper::TransmitAcknowledge()
{
    return transmit(LinkCommand::Acknowledge);
}

bool SerialHelper::TransmitNoAcknowledge()
{
    return transmit(LinkCommand::NoAcknowledge);
}

bool SerialHelper::TransmitReset()
{
    return transmit(LinkCommand::Reset, QByteArray(AdapterResetCode, sizeof AdapterResetCode));
}

bool SerialHelper::TransmitLockAttendeePassword(byte attendee)
{
    return transmit(LinkCommand::LockAttendeePassword, QByteArray(1, char(attendee)));
}

bool SerialHelper::TransmitUnlockAttendeePassword(byte attendee)
{
    return transmit(LinkCommand::UnlockAttendeePassword, QByteArray(1, char(attendee)));
}

bool SerialHelper::RequestStatusByte(byte attendee)
{
    return transmit(LinkCommand::ReadStatusByte, QByteArray(1, char(attendee)));
}

bool SerialHelper::RequestCallNumber(byte attendee, byte number)
{
    return transmit(LinkCommand::ReadCallNumber, payloadOf({ attendee, number }));
}

bool SerialHelper::RequestBusAddress(byte attendee)
{
    return transmit(LinkCommand::ReadBusAddress, QByteArray(1, char(attendee)));
}

bool SerialHelper::RequestMasterPassword()
{
    return transmit(LinkCommand::ReadMasterPassword);
}

bool SerialHelper::RequestCallRedirectTime(bool max)
{
    return transmit(max ? LinkCommand::ReadMaxCallTime : LinkCommand::ReadCallRedirectTime);
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

bool SerialHelper::transmit(byte command, const QByteArray &payload)
{
    CommunicationPackage package;
    package.SetCommand(command);
    package.SetData(payload);
    package.CalculateChecksum();
    return WriteSerialData(package.ToByteArray());
}

void SerialHelper::dispatch(byte command, const QByteArray &data)
{
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

QByteArray EncodeDigits(const QByteArray &text)
{
    const int end = text.indexOf('\0');
    QString digits = QString::fromLatin1(end >= 0 ? text.left(end) : text);
    digits.remove(QLatin1Char(' '));
    QByteArray encoded;
    encoded.reserve(digits.size());
    for (QChar c : std::as_const(digits)) {
        const int value = c.digitValue();
        encoded.append(char(value == 0 ? 10 : byte(value)));
    }
    return encoded;
}

QByteArray DecodeDigits(const QByteArray &digits)
{
    QByteArray text;
    for (char c : digits) {
        if (byte(c) == 0xFF)
            return {};
        if (byte(c) == 10)
            text.append('0');
        else
            text.append(QByteArray::number(qint8(c)));
    }
    return text;
}

QByteArray DecodeBusAddress(const QByteArray &address)
{
    // Floors go up to 27; below '0' a floor byte cannot be a letter or digit,
    // so everything up to 47 reads as a number.
    QByteArray text;
    for (char c : address) {
        const byte value = byte(c);
        if (value == 0xFE || value == '@')
            return {};
        if (value >= 1 && value <= 47)
            text.append(QByteArray::number(value));
        else
            text.append(c);
    }
    return text;
}

QByteArray HexDump(const QByteArray &data)
{
    return data.isEmpty() ? QByteArray() : data.toHex(' ') + ' ';
}
