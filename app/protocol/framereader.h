#pragma once

#include "protocol.h"

#include <QByteArray>
#include <QQueue>
#include <QString>

class QIODevice;

// One frame as its bytes come in, from the start byte on: each byte is
// unescaped, counted and summed as it arrives and never looked at again.
// FrameReader and CommunicationPackage both parse with it.
//
// As CommunicationPackage has always read them, an escaped 0xFE (FD 01)
// also opens a frame while none is under way, and any byte after an escape
// byte is added to it (FD 05 reads as 02).
class FrameDecoder
{
public:
    enum Result { Incomplete, ChecksumError, Complete };

    // What this byte did: Complete or ChecksumError on a frame's checksum
    // byte, Incomplete on any other.
    Result add(byte b);

    // The frame so far; whole once add() returned Complete.
    const Frame &frame() const { return m_frame; }
    // The frame's length byte, and the sum of what came after it so far.
    byte length() const { return m_length; }
    byte sum() const { return m_sum; }

    void clear() { *this = FrameDecoder(); }

private:
    enum State { WaitStart, ReadLength, ReadCommand, ReadData, ReadChecksum };

    State m_state = WaitStart;
    bool m_escaped = false; // the byte before was the escape byte
    byte m_length = 0;
    byte m_count = 0; // of command and payload bytes, modulo 256 as the length
    byte m_sum = 0;
    Frame m_frame;
};

// Splits the bytes from the adapter into frames and stretches of its own text,
// in wire order, as they come in: a frame may span many appends, and each
// append ends the text it brought (the adapter's text arrives in batches).
//
// A start byte whose frame fails (wrong checksum, another start byte first, or
// no frame within the longest one possible) is dropped alone; the bytes after
// it are read again, so a stray 0xFE costs one byte and never the text behind
// it. At most one partial frame is held, never more than LongestFrame bytes,
// and each byte is kept once: as received, with the frame decoded alongside.
class FrameReader
{
public:
    // The start byte, then length, command, 255 payload bytes and the checksum,
    // each escaped into two bytes.
    static constexpr int LongestFrame = 1 + 2 * 258;

    struct Item
    {
        enum Kind { FrameItem, TextItem };

        Kind kind = TextItem;
        Frame frame;
        // The bytes as received: a frame still escaped, text before any cut.
        QByteArray wire;

        // The adapter's text as shown: Latin-1, up to the first zero byte.
        QString text() const;
    };

    void append(const QByteArray &bytes);
    // Appends whatever the device has ready; returns the number of bytes.
    qint64 readFrom(QIODevice *device);

    bool hasItem() const { return !m_items.isEmpty(); }
    Item takeItem() { return m_items.dequeue(); }

    // A frame has begun and waits for the rest.
    bool hasPartialFrame() const { return !m_frame.isEmpty(); }
    // For when the rest will not come: drops the start byte of the partial
    // frame and gives the bytes after it back as text.
    void abandonPartialFrame();
    int partialFrameSize() const { return int(m_frame.size()); }
    // Start bytes dropped since the reader was made or cleared.
    int droppedStartBytes() const { return m_droppedStartBytes; }

    // Forgets the partial frame and every item not yet taken.
    void clear();

private:
    void addToFrame(byte b);
    void failFrame();
    void endText();

    FrameDecoder m_decoder;
    QByteArray m_frame; // the partial frame as received, from its start byte on
    QByteArray m_text; // text of the current append
    QQueue<Item> m_items;
    int m_droppedStartBytes = 0;
};
