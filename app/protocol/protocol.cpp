#include "protocol.h"

#include <initializer_list>

namespace {

// QByteArray has no list constructor: {a, b} would make a copies of b.
QByteArray bytes(std::initializer_list<byte> values)
{
    QByteArray result;
    for (byte value : values)
        result.append(char(value));
    return result;
}

QByteArray upToZero(const QByteArray &data)
{
    const int end = data.indexOf('\0');
    return end < 0 ? data : data.left(end);
}

void appendEscaped(QByteArray &wire, byte b, byte marker = FrameStart)
{
    const byte escape = marker - 1;
    if (b == marker || b == escape) {
        wire.append(char(escape));
        wire.append(char(b == marker ? 0x01 : 0x00));
    } else {
        wire.append(char(b));
    }
}

} // namespace

byte Frame::at(int index) const
{
    return index >= 0 && index < payload.size() ? byte(payload.at(index)) : byte(0);
}

bool Frame::isRequest() const
{
    switch (command) {
    case LinkCommand::ReadMasterPassword:
    case LinkCommand::ReadCallNumber:
    case LinkCommand::ReadCallRedirectTime:
    case LinkCommand::ReadMaxCallTime:
    case LinkCommand::ReadStatusByte:
    case LinkCommand::ReadBusAddress:
        return true;
    default:
        return false;
    }
}

byte Frame::checksum() const
{
    byte sum = byte(payload.size() + 1) + command;
    for (char c : payload)
        sum += byte(c);
    return sum;
}

QByteArray Frame::toWire(byte checksum) const
{
    QByteArray wire;
    // Each byte escaped at worst, behind the start byte.
    wire.reserve(1 + 2 * (payload.size() + 3));
    wire.append(char(FrameStart));
    appendEscaped(wire, byte(payload.size() + 1));
    appendEscaped(wire, command);
    for (char c : payload)
        appendEscaped(wire, byte(c));
    appendEscaped(wire, checksum);
    return wire;
}

namespace Frames {

Frame login(const QString &password)
{
    return codedLogin(EncodeDigits(password));
}

Frame logout()
{
    return { LinkCommand::Login, {} };
}

Frame masterPassword(const QString &password)
{
    return codedMasterPassword(EncodeDigits(password));
}

Frame codedLogin(const QByteArray &digits)
{
    return { LinkCommand::Login, digits };
}

// The adapter takes a new password only when it comes twice in the frame.
Frame codedMasterPassword(const QByteArray &digits)
{
    return { LinkCommand::MasterPassword, digits + digits };
}

Frame callNumber(byte entry, const QByteArray &number, byte slot)
{
    return { LinkCommand::CallNumber, bytes({ entry, slot }) + EncodeDigits(number) };
}

Frame callRedirectTime(byte time, bool max)
{
    return { max ? LinkCommand::MaxCallTime : LinkCommand::CallRedirectTime, bytes({ time }) };
}

Frame statusByte(byte entry, byte status)
{
    return { LinkCommand::StatusByte, bytes({ entry, status }) };
}

Frame busAddress(byte entry, const QByteArray &etage, const QByteArray &flat)
{
    bool ok = false;
    const int floor = etage.toInt(&ok, 10);
    return { LinkCommand::BusAddress, bytes({ entry, byte(ok ? floor : 0) }) + flat };
}

Frame busAddress(byte entry, const QString &letterFirst)
{
    const QByteArray flat = letterFirst.left(1).toLatin1();
    const QByteArray etage = QByteArray::number(letterFirst.mid(1).toInt());
    return busAddress(entry, etage, flat);
}

Frame lockAttendeePassword(byte entry)
{
    return { LinkCommand::LockAttendeePassword, bytes({ entry }) };
}

Frame unlockAttendeePassword(byte entry)
{
    return { LinkCommand::UnlockAttendeePassword, bytes({ entry }) };
}

Frame requestMasterPassword()
{
    return { LinkCommand::ReadMasterPassword, {} };
}

Frame requestCallNumber(byte entry, byte slot)
{
    return { LinkCommand::ReadCallNumber, bytes({ entry, slot }) };
}

Frame requestCallRedirectTime(bool max)
{
    return { max ? LinkCommand::ReadMaxCallTime : LinkCommand::ReadCallRedirectTime, {} };
}

Frame requestStatusByte(byte entry)
{
    return { LinkCommand::ReadStatusByte, bytes({ entry }) };
}

Frame requestBusAddress(byte entry)
{
    return { LinkCommand::ReadBusAddress, bytes({ entry }) };
}

Frame acknowledge()
{
    return { LinkCommand::Acknowledge, {} };
}

Frame noAcknowledge()
{
    return { LinkCommand::NoAcknowledge, {} };
}

Frame reset()
{
    return { LinkCommand::Reset, QByteArray(AdapterResetCode, sizeof AdapterResetCode) };
}

} // namespace Frames

namespace Answers {

QString callNumber(const Frame &answer)
{
    return QString::fromLatin1(upToZero(DecodeDigits(answer.payload.mid(2))));
}

QString busAddress(const Frame &answer)
{
    if (answer.at(1) == 0)
        return QString();
    // The adapter sends the floor first and the letter last; the decoder wants
    // the letter first.
    const QByteArray address = answer.payload.mid(1);
    const QByteArray letter = upToZero(address.right(1));
    const QByteArray number = upToZero(address.left(address.size() - 1));
    return QString::fromLatin1(upToZero(DecodeBusAddress(letter + number)));
}

} // namespace Answers

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

QByteArray EscapeBytes(const QByteArray &data, byte marker)
{
    QByteArray escaped;
    escaped.reserve(data.size() + 8);
    for (char c : data)
        appendEscaped(escaped, byte(c), marker);
    return escaped;
}

QByteArray UnescapeBytes(const QByteArray &data, byte marker)
{
    const byte escape = marker - 1;
    QByteArray plain;
    plain.reserve(data.size());
    byte addend = 0;
    for (char ch : data) {
        const byte c = byte(ch);
        if (c == escape) {
            addend = escape;
        } else {
            plain.append(char(byte(c + addend)));
            addend = 0;
        }
    }
    return plain;
}

QByteArray HexDump(const QByteArray &data)
{
    return data.isEmpty() ? QByteArray() : data.toHex(' ') + ' ';
}
