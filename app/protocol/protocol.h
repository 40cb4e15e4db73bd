#pragma once

#include "vxtypes.h"

#include <QByteArray>
#include <QMetaType>
#include <QString>

// The adapter protocol without any I/O: command codes, frames and the byte
// codes of call numbers, passwords and bus addresses. The program's link and
// the simulator both speak through it.

// The start byte of every frame; after it, 0xFE and the escape byte 0xFD are
// sent as escape pairs (FD 01 and FD 00) so that 0xFE on the wire always
// begins a frame.
inline constexpr byte FrameStart = 0xFE;
inline constexpr byte FrameEscape = FrameStart - 1;

// Command codes. A request and the adapter's answer to it share their code.
namespace LinkCommand {
enum : byte {
    Login = 0x00, // without payload: logout
    MasterPassword = 0x01,
    CallNumber = 0x02,
    CallRedirectTime = 0x03,
    MaxCallTime = 0x04,
    StatusByte = 0x05,
    UnlockAttendeePassword = 0x07,
    LockAttendeePassword = 0x08,
    BusAddress = 0x09,
    ReadMasterPassword = 0x0A,
    ReadCallNumber = 0x12,
    ReadCallRedirectTime = 0x13,
    ReadMaxCallTime = 0x14,
    ReadStatusByte = 0x19,
    ReadBusAddress = 0x1F,
    Acknowledge = 0x20,
    NoAcknowledge = 0x21,
    Reset = 0x38,
};
} // namespace LinkCommand

// The payload of the reset command. The adapter wipes its configuration only
// when command 0x38 carries exactly these three bytes ("RST"), so that a frame
// garbled into 0x38 cannot reset it by accident.
inline constexpr char AdapterResetCode[3] = { 'R', 'S', 'T' };

// One frame, unescaped: the command and its payload.
struct Frame
{
    byte command = 0;
    QByteArray payload;

    // The payload byte at index, 0 beyond the end (as the adapter's short
    // answers are read).
    byte at(int index) const;
    bool isAcknowledgement() const
    {
        return command == LinkCommand::Acknowledge || command == LinkCommand::NoAcknowledge;
    }
    // A request for a value, which the adapter answers with a frame of the
    // same code rather than an acknowledgement.
    bool isRequest() const;
    // The 8-bit sum of length (payload size + 1), command and payload.
    byte checksum() const;
    // On the wire: start byte, length, command, payload, checksum, escaped.
    // Every frame the program and the simulator send is built here.
    QByteArray toWire() const { return toWire(checksum()); }
    // The same with the checksum given, right or wrong.
    QByteArray toWire(byte checksum) const;

    bool operator==(const Frame &other) const
    {
        return command == other.command && payload == other.payload;
    }
    bool operator!=(const Frame &other) const { return !(*this == other); }
};
Q_DECLARE_METATYPE(Frame)

// The frames the program sends, one function per command. Call numbers and
// passwords are given as text and go out in the digit code.
namespace Frames {
Frame login(const QString &password);
Frame logout();
Frame masterPassword(const QString &password);
// The same two for a password in the digit code already.
Frame codedLogin(const QByteArray &digits);
Frame codedMasterPassword(const QByteArray &digits);
Frame callNumber(byte entry, const QByteArray &number, byte slot);
Frame callRedirectTime(byte time, bool max);
Frame statusByte(byte entry, byte status);
// etage is decimal text (anything else counts as 0), flat the letter.
Frame busAddress(byte entry, const QByteArray &etage, const QByteArray &flat);
// From the letter-first text (B12): flat B, etage 12; empty: no address.
Frame busAddress(byte entry, const QString &letterFirst);
Frame lockAttendeePassword(byte entry);
Frame unlockAttendeePassword(byte entry);
Frame requestMasterPassword();
Frame requestCallNumber(byte entry, byte slot);
Frame requestCallRedirectTime(bool max);
Frame requestStatusByte(byte entry);
Frame requestBusAddress(byte entry);
Frame acknowledge();
Frame noAcknowledge();
Frame reset();
} // namespace Frames

// The texts in the adapter's answers.
namespace Answers {
// The digit text of a call-number answer (entry, slot, digits...).
QString callNumber(const Frame &answer);
// The letter-first text of a bus-address answer (entry, floor, letter);
// empty when no address is set.
QString busAddress(const Frame &answer);
} // namespace Answers

// Call numbers and passwords in the digit code: one byte per digit, 1 to 9 as
// themselves, 0 as 10, anything else as 0xFF. Spaces are dropped.
QByteArray EncodeDigits(const QByteArray &text);
// For texts from the input fields: as their Latin-1 bytes.
inline QByteArray EncodeDigits(const QString &text)
{
    return EncodeDigits(text.toLatin1());
}
inline QByteArray EncodeDigits(const char *text)
{
    return EncodeDigits(QByteArray(text));
}
// The digit text of a received call number; empty if it holds 0xFF.
QByteArray DecodeDigits(const QByteArray &digits);
// The text of a received bus address (letter byte first, then the floor byte);
// empty when it holds 0xFE or '@'.
QByteArray DecodeBusAddress(const QByteArray &address);
// marker becomes (marker - 1, 01), marker - 1 becomes (marker - 1, 00).
QByteArray EscapeBytes(const QByteArray &data, byte marker = FrameStart);
// The inverse of EscapeBytes; a trailing escape byte yields nothing yet, and
// the byte after an escape byte is added to it (two in a row count as one).
QByteArray UnescapeBytes(const QByteArray &data, byte marker = FrameStart);
// "fe 02 19 " style: two lower-case hex digits and a space per byte.
QByteArray HexDump(const QByteArray &data);
