#include "communicationpackage.h"

CommunicationPackage::CommunicationPackage(QObject *parent)
    : QObject(parent)
{ }

void CommunicationPackage::CalculateChecksum()
{
    m_length = byte(m_data.size() + 1);
    m_checksum = Frame { m_command, m_data }.checksum();
}

QByteArray CommunicationPackage::ToByteArray()
{
    m_length = byte(m_data.size() + 1);
    return Frame { m_command, m_data }.toWire(m_checksum);
}

int CommunicationPackage::AddByte(byte b)
{
    if (b == FrameStart)
        Reset();
    m_raw.append(char(b));
    decode(b);
    takeFrame();
    m_complete = m_result == ParseComplete;
    return m_result;
}

int CommunicationPackage::Parse()
{
    m_decoder.clear();
    m_result = ParseIncomplete;
    for (char c : std::as_const(m_raw))
        decode(byte(c));
    takeFrame();
    return m_result;
}

void CommunicationPackage::Reset()
{
    m_command = 0;
    m_length = 0;
    m_checksum = 0;
    m_data.clear();
    m_raw.clear();
    m_complete = false;
    m_decoder.clear();
    m_result = ParseIncomplete;
}

void CommunicationPackage::decode(byte b)
{
    switch (m_decoder.add(b)) {
    case FrameDecoder::Complete:
        m_result = ParseComplete;
        break;
    case FrameDecoder::ChecksumError:
        m_result = ParseChecksumError;
        break;
    case FrameDecoder::Incomplete:
        break;
    }
}

void CommunicationPackage::takeFrame()
{
    const bool complete = m_result == ParseComplete;
    m_command = complete ? m_decoder.frame().command : byte(0);
    m_data = complete ? m_decoder.frame().payload : QByteArray();
    m_length = complete ? m_decoder.length() : byte(0);
    m_checksum = complete ? m_decoder.sum() : byte(0);
}
