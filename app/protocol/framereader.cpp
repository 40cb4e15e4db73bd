#include "framereader.h"

#include <QIODevice>

QString FrameReader::Item::text() const
{
    const qsizetype end = wire.indexOf('\0');
    return QString::fromLatin1(end < 0 ? wire : wire.left(end));
}

void FrameReader::append(const QByteArray &bytes)
{
    for (char c : bytes)
        add(byte(c));
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
    m_parser.Reset();
    m_frame.clear();
    m_text.clear();
    m_items.clear();
    m_droppedStartBytes = 0;
}

void FrameReader::add(byte b)
{
    if (b == FrameStart) {
        if (hasPartialFrame())
            failFrame();
        endText();
        m_parser.Reset();
        m_parser.AddByte(b);
        m_frame.append(char(b));
        return;
    }
    if (!hasPartialFrame()) {
        m_text.append(char(b));
        return;
    }

    m_frame.append(char(b));
    switch (m_parser.AddByte(b)) {
    case CommunicationPackage::ParseComplete:
        m_items.enqueue({ Item::FrameItem, { m_parser.Command(), m_parser.Data() }, m_frame });
        m_frame.clear();
        m_parser.Reset();
        break;
    case CommunicationPackage::ParseChecksumError:
        failFrame();
        break;
    default:
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
    m_parser.Reset();
    ++m_droppedStartBytes;
}

void FrameReader::endText()
{
    if (m_text.isEmpty())
        return;
    m_items.enqueue({ Item::TextItem, {}, m_text });
    m_text.clear();
}
