#pragma once

#include "vxtypes.h"

#include <QByteArray>
#include <QObject>

// The start byte of every frame; after it, 0xFE and the escape byte 0xFD are
// sent as escape pairs so that 0xFE on the wire always begins a frame.
inline constexpr byte FrameStart = 0xFE;

// One frame of the adapter protocol, both as builder of outgoing frames and as
// incremental parser of received bytes:
//
//   FE  length  command  payload...  checksum
//
// length is payload size + 1 (modulo 256, so 0 stands for 256), checksum the
// 8-bit sum of length, command and payload.
class CommunicationPackage : public QObject
{
    Q_OBJECT

public:
    enum ParseResult {
        ParseIncomplete = 0,
        ParseChecksumError = 1,
        ParseComplete = 4,
    };

    explicit CommunicationPackage(QObject *parent = nullptr);

    void SetCommand(byte command) { m_command = command; }
    byte Command() const { return m_command; }
    void SetData(const QByteArray &data) { m_data = data; }
    QByteArray Data() const { return m_data; }
    void SetLength(byte length) { m_length = length; }
    byte Length() const { return m_length; }
    void SetChecksum(byte checksum) { m_checksum = checksum; }
    byte Checksum() const { return m_checksum; }

    // Sets length and checksum from command and data; call before ToByteArray.
    void CalculateChecksum();
    // The escaped frame with the stored checksum.
    QByteArray ToByteArray();

    int AddByte(byte b);
    int Parse();
    void Reset();

    bool IsComplete() const { return m_complete; }
    QByteArray RawData() const { return m_raw; }

private:
    byte m_command = 0;
    QByteArray m_data;
    byte m_length = 0;
    byte m_checksum = 0;
    QByteArray m_raw;
    bool m_complete = false;
};

// marker becomes (marker - 1, 01), marker - 1 becomes (marker - 1, 00).
QByteArray EscapeBytes(const QByteArray &data, byte marker = FrameStart);
// The inverse of EscapeBytes; a trailing escape byte yields nothing yet.
QByteArray UnescapeBytes(const QByteArray &data, byte marker = FrameStart);
