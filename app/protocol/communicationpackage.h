#pragma once

#include "framereader.h"
#include "protocol.h"

#include <QByteArray>
#include <QObject>

// One frame of the adapter protocol, both as builder of outgoing frames and as
// incremental parser of received bytes:
//
//   FE  length  command  payload...  checksum
//
// length is payload size + 1 (modulo 256, so 0 stands for 256), checksum the
// 8-bit sum of length, command and payload. The program itself builds with
// Frame::toWire() and reads with FrameReader; this class keeps the older
// interface on the same code (the simulator parses with it).
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

    // Takes one received byte; a start byte drops whatever came before it.
    // The result is that of the last checksum byte after the start byte
    // (ParseIncomplete before one); once complete, Reset() before the next
    // frame.
    int AddByte(byte b);
    // The same result for the raw bytes read from their first one again.
    int Parse();
    void Reset();

    bool IsComplete() const { return m_complete; }
    QByteArray RawData() const { return m_raw; }

private:
    void decode(byte b);
    // Command, length, data and checksum as the result has them: the frame's
    // once complete, else all cleared.
    void takeFrame();

    byte m_command = 0;
    QByteArray m_data;
    byte m_length = 0;
    byte m_checksum = 0;
    QByteArray m_raw;
    bool m_complete = false;
    FrameDecoder m_decoder;
    ParseResult m_result = ParseIncomplete;
};
