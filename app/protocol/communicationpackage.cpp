#include "communicationpackage.h"

namespace {

enum ParseState { WaitStart, ReadLength, ReadCommand, ReadData, ReadChecksum };

} // namespace

CommunicationPackage::CommunicationPackage(QObject *parent)
    : QObject(parent)
{ }

void CommunicationPackage::CalculateChecksum()
{
    m_length = byte(m_data.size() + 1);
    byte sum = m_command + m_length;
    for (char c : std::as_const(m_data))
        sum += byte(c);
    m_checksum = sum;
}

QByteArray CommunicationPackage::ToByteArray()
{
    m_length = byte(m_data.size() + 1);
    QByteArray body;
    body.reserve(m_data.size() + 3);
    body.append(char(m_length));
    body.append(char(m_command));
    body.append(m_data);
    body.append(char(m_checksum));
    return char(FrameStart) + EscapeBytes(body, FrameStart);
}

int CommunicationPackage::AddByte(byte b)
{
    if (b == FrameStart)
        Reset();
    m_raw.append(char(b));
    const int result = Parse();
    if (result == ParseComplete) {
        m_complete = true;
    } else {
        m_length = 0;
        m_command = 0;
        m_checksum = 0;
        m_data.clear();
    }
    return result;
}

int CommunicationPackage::Parse()
{
    // Every pass starts from the first raw byte, so it rebuilds data from nothing.
    m_data.clear();
    int result = ParseIncomplete;
    ParseState state = WaitStart;
    byte counter = 0;
    byte sum = 0;
    const QByteArray frame = UnescapeBytes(m_raw, FrameStart);
    for (char ch : frame) {
        const byte c = byte(ch);
        switch (state) {
        case WaitStart:
            if (c == FrameStart)
                state = ReadLength;
            break;
        case ReadLength:
            m_length = c;
            sum += c;
            state = ReadCommand;
            break;
        case ReadCommand:
            m_command = c;
            sum += c;
            ++counter;
            state = counter == m_length ? ReadChecksum : ReadData;
            break;
        case ReadData:
            m_data.append(char(c));
            sum += c;
            ++counter;
            state = counter == m_length ? ReadChecksum : ReadData;
            break;
        case ReadChecksum:
            if (c == sum) {
                m_checksum = sum;
                result = ParseComplete;
            } else {
                result = ParseChecksumError;
            }
            state = WaitStart;
            break;
        }
    }
    return result;
}

void CommunicationPackage::Reset()
{
    m_command = 0;
    m_length = 0;
    m_checksum = 0;
    m_data.clear();
    m_raw.clear();
    m_complete = false;
}

QByteArray EscapeBytes(const QByteArray &data, byte marker)
{
    const byte escape = marker - 1;
    QByteArray escaped;
    escaped.reserve(data.size() + 8);
    for (char ch : data) {
        const byte c = byte(ch);
        if (c == marker) {
            escaped.append(char(escape));
            escaped.append('\x01');
        } else if (c == escape) {
            escaped.append(char(escape));
            escaped.append('\x00');
        } else {
            escaped.append(ch);
        }
    }
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
