// Arbitrary bytes from the adapter through the frame parser, the link's
// receive step and the payload decoders.

#include "communicationpackage.h"
#include "serialhelper.h"

#include <QBuffer>

#include <cstdint>
#include <cstdlib>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

class DeviceLink : public SerialHelper
{
public:
    using SerialHelper::readFrame;
};

QByteArray frameOf(byte command, const QByteArray &payload)
{
    CommunicationPackage package;
    package.SetCommand(command);
    package.SetData(payload);
    package.CalculateChecksum();
    return package.ToByteArray();
}

void parse(const QByteArray &input)
{
    CommunicationPackage parser;
    for (char c : input) {
        const int result = parser.AddByte(byte(c));
        check(result == CommunicationPackage::ParseIncomplete
            || result == CommunicationPackage::ParseChecksumError
            || result == CommunicationPackage::ParseComplete);
        check(parser.IsComplete() == (result == CommunicationPackage::ParseComplete));
        if (!parser.IsComplete())
            continue;
        // A parsed frame, built again, parses to the same frame.
        check(parser.Data().size() <= 255);
        const QByteArray again = frameOf(parser.Command(), parser.Data());
        CommunicationPackage second;
        int last = CommunicationPackage::ParseIncomplete;
        for (char d : again)
            last = second.AddByte(byte(d));
        check(last == CommunicationPackage::ParseComplete);
        check(second.Command() == parser.Command() && second.Data() == parser.Data());
        check(second.Checksum() == parser.Checksum());
        parser.Reset();
    }
}

void receive(const QByteArray &input)
{
    QBuffer device;
    device.setData(input);
    device.open(QIODevice::ReadOnly);
    DeviceLink link;
    // Each step takes at least one byte.
    int steps = 0;
    while (link.readFrame(&device))
        check(++steps <= input.size());
    check(device.atEnd());
}

void codecs(const QByteArray &input)
{
    check(UnescapeBytes(EscapeBytes(input)) == input);
    check(!EscapeBytes(input).contains(char(FrameStart)));
    check(HexDump(input).size() == 3 * input.size());
    const QByteArray digits = EncodeDigits(input);
    check(digits.size() <= input.size());
    DecodeDigits(input);
    DecodeDigits(digits);
    DecodeBusAddress(input);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    parse(input);
    receive(input);
    codecs(input);
    return 0;
}
