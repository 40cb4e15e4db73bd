// Arbitrary bytes from the adapter, cut into arbitrary pieces, through the
// frame reader, the link's receive path and the payload decoders.

#include "communicationpackage.h"
#include "framereader.h"
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
    using SerialHelper::receiveFrom;
};

// The first byte sets how the rest is cut: pieces of 1 to 32 bytes.
QList<QByteArray> pieces(const QByteArray &input)
{
    QList<QByteArray> list;
    if (input.isEmpty())
        return list;
    const int step = 1 + byte(input.at(0)) % 32;
    for (qsizetype at = 1; at < input.size(); at += step)
        list << input.mid(at, step);
    return list;
}

// A frame's bytes, fed to a fresh parser, complete exactly at their end.
void checkFrame(const FrameReader::Item &item)
{
    CommunicationPackage parser;
    for (qsizetype i = 0; i < item.wire.size(); ++i) {
        const int result = parser.AddByte(byte(item.wire.at(i)));
        check((result == CommunicationPackage::ParseComplete) == (i == item.wire.size() - 1));
    }
    check(parser.Command() == item.frame.command && parser.Data() == item.frame.payload);
    check(parser.Parse() == CommunicationPackage::ParseComplete);
    check(item.frame.payload.size() <= 255);
    // The bytes mean what the frame says, however they were escaped.
    check(UnescapeBytes(item.wire) == UnescapeBytes(item.frame.toWire()));

    // Built again, it reads back the same.
    FrameReader again;
    again.append(item.frame.toWire());
    check(again.hasItem());
    const FrameReader::Item rebuilt = again.takeItem();
    check(rebuilt.kind == FrameReader::Item::FrameItem && rebuilt.frame == item.frame);
    check(!again.hasItem() && !again.hasPartialFrame());
}

QList<FrameReader::Item> read(const QList<QByteArray> &input, QByteArray *consumed, int *dropped)
{
    FrameReader reader;
    QList<FrameReader::Item> items;
    for (const QByteArray &piece : input) {
        reader.append(piece);
        check(reader.partialFrameSize() <= FrameReader::LongestFrame);
        while (reader.hasItem())
            items << reader.takeItem();
    }
    reader.abandonPartialFrame();
    check(!reader.hasPartialFrame());
    while (reader.hasItem())
        items << reader.takeItem();

    for (const FrameReader::Item &item : std::as_const(items)) {
        if (item.kind == FrameReader::Item::FrameItem) {
            check(item.wire.startsWith(char(FrameStart)) && item.wire.count(char(FrameStart)) == 1);
            checkFrame(item);
        } else {
            check(!item.wire.isEmpty() && !item.wire.contains(char(FrameStart)));
            const qsizetype zero = item.wire.indexOf('\0');
            check(item.text() == QString::fromLatin1(zero < 0 ? item.wire : item.wire.left(zero)));
        }
        consumed->append(item.wire);
    }
    *dropped = reader.droppedStartBytes();
    return items;
}

// Every input byte ends up in exactly one item, or is a dropped start byte.
void checkAccounting(const QList<QByteArray> &input, const QByteArray &consumed, int dropped)
{
    qsizetype at = 0;
    int skipped = 0;
    for (const QByteArray &piece : input) {
        for (char c : piece) {
            if (at < consumed.size() && consumed.at(at) == c)
                ++at;
            else if (byte(c) == FrameStart)
                ++skipped;
            else
                check(false);
        }
    }
    check(at == consumed.size() && skipped == dropped);
}

// The link raises what the reader yields, in the same order, each once.
void receive(const QList<QByteArray> &input, const QList<FrameReader::Item> &items)
{
    DeviceLink link;
    QStringList raised;
    QObject::connect(&link, &AdapterLink::frameReceived,
        [&](const Frame &frame) { raised << QString::fromLatin1(frame.toWire().toHex()); });
    QObject::connect(&link, &SerialHelper::ReceiveCharacterMessage,
        [&](const QString &text) { raised << QLatin1Char('"') + text; });
    for (const QByteArray &piece : input) {
        QBuffer device;
        device.setData(piece);
        device.open(QIODevice::ReadOnly);
        check(link.receiveFrom(&device) == piece.size());
    }
    // Only a partial frame at the end, given up by the reader above, may be
    // missing: the link gives up only after a pause.
    check(raised.size() <= items.size() && raised.size() >= items.size() - 1);
    for (qsizetype i = 0; i < raised.size(); ++i) {
        const FrameReader::Item &item = items.at(i);
        check(raised.at(i)
            == (item.kind == FrameReader::Item::FrameItem
                    ? QString::fromLatin1(item.frame.toWire().toHex())
                    : QLatin1Char('"') + item.text()));
    }
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
    const QList<QByteArray> cut = pieces(input);
    QByteArray consumed;
    int dropped = 0;
    const QList<FrameReader::Item> items = read(cut, &consumed, &dropped);
    checkAccounting(cut, consumed, dropped);
    receive(cut, items);
    codecs(input);
    return 0;
}
