#include "framereader.h"

#include <QIODevice>

#include <algorithm>
#include <utility>

FrameDecoder::Result FrameDecoder::add(byte b)
{
    if (b == FrameEscape) {
        m_escaped = true;
        return Incomplete;
    }
    const byte c = std::exchange(m_escaped, false) ? byte(b + FrameEscape) : b;
    switch (m_state) {
    case WaitStart:
        if (c == FrameStart) {
            m_frame = Frame();
            m_state = ReadLength;
        }
        break;
    case ReadLength:
        m_length = c;
        m_sum = c;
        m_count = 0;
        m_state = ReadCommand;
        break;
    case ReadCommand:
    case ReadData:
        if (m_state == ReadCommand)
            m_frame.command = c;
        else
            m_frame.payload.append(char(c));
        m_sum += c;
        // Length 0 stands for 256: the count wraps to it after 255 payload bytes.
        m_state = ++m_count == m_length ? ReadChecksum : ReadData;
        break;
    case ReadChecksum:
        m_state = WaitStart;
        return c == m_sum ? Complete : ChecksumError;
    }
    return Incomplete;
}

QString FrameReader::Item::text() const
{
    const qsizetype end = wire.indexOf('\0');
    return QString::fromLatin1(end < 0 ? wire : wire.left(end));
}

void FrameReader::append(const QByteArray &bytes)
{
    const char *const end = bytes.constEnd();
    for (const char *at = bytes.constBegin(); at != end;) {
        if (hasPartialFrame()) {
            addToFrame(byte(*at++));
            continue;
        }
        // Text up to the next start byte in one piece; the start byte opens a frame.
        const char *start = std::find(at, end, char(FrameStart));
        m_text.append(at, start - at);
        if (start == end)
            break;
        endText();
        m_frame.append(char(FrameStart));
        m_decoder.add(FrameStart);
        at = start + 1;
    }
    endText();
}

qint64 FrameReader::readFrom(QIODevice *device)
{
    const QByteArray bytes = device->readAll();
    append(bytes);
    return bytes.size();
}

void FrameReader::abandonPartialFrame()
{
    if (!hasPartialFrame())
        return;
    failFrame();
    endText();
}

void FrameReader::clear()
{
    m_decoder.clear();
    m_frame.clear();
    m_text.clear();
    m_items.clear();
    m_droppedStartBytes = 0;
}

void FrameReader::addToFrame(byte b)
{
    if (b == FrameStart) {
        // Another frame begins before this one ended.
        failFrame();
        endText();
        m_frame.append(char(b));
        m_decoder.add(b);
        return;
    }
    m_frame.append(char(b));
    switch (m_decoder.add(b)) {
    case FrameDecoder::Complete:
        m_items.enqueue({ Item::FrameItem, m_decoder.frame(), std::exchange(m_frame, {}) });
        m_decoder.clear();
        break;
    case FrameDecoder::ChecksumError:
        failFrame();
        break;
    case FrameDecoder::Incomplete:
        if (m_frame.size() >= LongestFrame)
            failFrame();
        break;
    }
}

void FrameReader::failFrame()
{
    // A start byte always begins a new frame, so none follows it here: what
    // comes after the failed one is text, and the text before it has been
    // raised already.
    m_text = m_frame.mid(1);
    m_frame.clear();
    m_decoder.clear();
    ++m_droppedStartBytes;
}

void FrameReader::endText()
{
    if (m_text.isEmpty())
        return;
    m_items.enqueue({ Item::TextItem, {}, std::exchange(m_text, {}) });
}
