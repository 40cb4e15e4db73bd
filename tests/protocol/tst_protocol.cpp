// The wire without a port: frames built and parsed, byte by byte and as the
// link's reader takes them, and the byte codes of the payloads.

#include "communicationpackage.h"
#include "framereader.h"

#include <QTest>

using Codec = QByteArray (*)(const QByteArray &);
Q_DECLARE_METATYPE(Codec)

namespace {

const auto bytes = QByteArray::fromHex;

} // namespace

class TestProtocol : public QObject
{
    Q_OBJECT

private slots:
    void packageBytes_data();
    void packageBytes();
    void readerItems_data();
    void readerItems();
    void payloadCodes_data();
    void payloadCodes();
};

// The bytes fed one at a time into a package; results: what each AddByte()
// gave (0 incomplete, 1 checksum error, 4 complete). Parse() gives the same
// again; a complete frame is built again as the bytes it came from.
void TestProtocol::packageBytes_data()
{
    QTest::addColumn<QByteArray>("wire");
    QTest::addColumn<QString>("results");
    QTest::addColumn<QByteArray>("frame"); // command and payload; 00 when incomplete

    const auto row
        = [](const char *name, const char *wire, const char *results, const char *frame) {
              QTest::newRow(name) << bytes(wire) << QString(results) << bytes(frame);
          };
    // clang-format off
    row("acknowledge", "fe012021", "0004", "20");
    row("status request", "fe0219031e", "00004", "1903");
    row("checksum fe escaped", "fe030502f4fd01", "0000004", "0502f4");
    row("payload fe and fd escaped", "fe0305fd01fd0003", "00000004", "05fefd");
    row("wrong checksum, and what follows is no frame", "fe0120224142", "000111", "00");
    row("second start byte: a new frame", "fe030502fe012021", "00000004", "20");
    row("bytes before a start byte", "4142fe", "000", "00");
    // clang-format on
    QTest::newRow("length 0 is 256")
        << bytes("fe0012") + QByteArray(255, '\x01') + bytes("11") << QString(258, u'0') + '4'
        << bytes("12") + QByteArray(255, '\x01');
}

void TestProtocol::packageBytes()
{
    QFETCH(QByteArray, wire);
    QFETCH(QString, results);
    QFETCH(QByteArray, frame);

    CommunicationPackage package;
    QString given;
    for (char c : std::as_const(wire))
        given += QString::number(package.AddByte(byte(c)));
    QCOMPARE(given, results);
    QCOMPARE(package.Parse(), given.back().digitValue());
    QCOMPARE((char(package.Command()) + package.Data()).toHex(), frame.toHex());
    QCOMPARE(package.IsComplete(), results.endsWith('4'));
    if (!package.IsComplete())
        return;
    QCOMPARE(package.RawData().toHex(), wire.right(package.RawData().size()).toHex());
    CommunicationPackage built;
    built.SetCommand(package.Command());
    built.SetData(package.Data());
    built.CalculateChecksum();
    QCOMPARE(built.ToByteArray().toHex(), package.RawData().toHex());
}

// FrameReader alone: what it makes of bytes, appended as they come.
void TestProtocol::readerItems_data()
{
    QTest::addColumn<QList<QByteArray>>("appends");
    QTest::addColumn<bool>("pause"); // the reader gives up a partial frame at the end
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<int>("dropped");

    const QByteArray ack = QByteArray::fromHex("fe012021");
    const QByteArray status = QByteArray::fromHex("fe031902dffd00"); // checksum fd, escaped
    using L = QList<QByteArray>;
    // clang-format off
    QTest::newRow("text up to a zero byte") << L { { "Ruf\0fuer", 8 } } << false << QStringList { "text Ruf" } << 0;
    QTest::newRow("Latin-1") << L { "Gr\xfc\xdf" "e" } << false << QStringList { "text Grüße" } << 0;
    QTest::newRow("text, frame, text") << L { "vor" + ack + "nach" } << false << QStringList { "text vor", "frame 20 ", "text nach" } << 0;
    QTest::newRow("frames in one append") << L { ack + status + ack } << false << QStringList { "frame 20 ", "frame 19 02df", "frame 20 " } << 0;
    QTest::newRow("text of two appends") << L { "Ruf fuer ", "Teilnehmer" } << false << QStringList { "text Ruf fuer ", "text Teilnehmer" } << 0;
    QTest::newRow("frame split after its start") << L { status.left(1), status.mid(1) } << false << QStringList { "frame 19 02df" } << 0;
    QTest::newRow("frame split inside an escape pair") << L { status.left(6), status.mid(6) } << false << QStringList { "frame 19 02df" } << 0;
    QTest::newRow("frame waits for its rest") << L { status.left(5) } << false << QStringList {} << 0;
    QTest::newRow("two escape bytes count as one") << L { QByteArray::fromHex("fe0219fdfd0119") } << false << QStringList { "frame 19 fe" } << 0;
    QTest::newRow("length 0 is 256, not none") << L { QByteArray::fromHex("fe001212") } << false << QStringList {} << 0;
    QTest::newRow("wrong checksum gives the bytes back") << L { "\xfe\r\nRuf 2:aus\r\nTuer\r\n" } << false << QStringList { "text \r\nRuf 2:aus\r\nTuer\r\n" } << 1;
    QTest::newRow("another start byte first") << L { "\xfe\x05" "ab" + ack } << false << QStringList { "text \x05" "ab", "frame 20 " } << 1;
    QTest::newRow("no frame within the longest") << L { "\xfe" + QByteArray(600, '\xfd') } << false << QStringList { "text " + QString(600, u'ý') } << 1;
    QTest::newRow("given up after a pause") << L { "ab\xfe\tRuf" } << true << QStringList { "text ab", "text \tRuf" } << 1;
    // clang-format on
}

void TestProtocol::readerItems()
{
    QFETCH(QList<QByteArray>, appends);
    QFETCH(bool, pause);
    QFETCH(QStringList, items);
    QFETCH(int, dropped);

    FrameReader reader;
    for (const QByteArray &bytes : std::as_const(appends)) {
        reader.append(bytes);
        QVERIFY(reader.partialFrameSize() <= FrameReader::LongestFrame);
    }
    if (pause)
        reader.abandonPartialFrame();
    QStringList taken;
    while (reader.hasItem()) {
        const FrameReader::Item item = reader.takeItem();
        taken << (item.kind == FrameReader::Item::FrameItem
                ? QStringLiteral("frame %1 ").arg(item.frame.command, 2, 16, QLatin1Char('0'))
                    + QString::fromLatin1(item.frame.payload.toHex())
                : QStringLiteral("text ") + item.text());
    }
    QCOMPARE(taken, items);
    QCOMPARE(reader.droppedStartBytes(), dropped);
}

void TestProtocol::payloadCodes_data()
{
    QTest::addColumn<Codec>("codec");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("output");

    const auto encode = Codec(static_cast<QByteArray (*)(const QByteArray &)>(EncodeDigits));
    const auto decode = Codec(DecodeDigits);
    const auto address = Codec(DecodeBusAddress);
    // clang-format off
    QTest::newRow("encode all digits") << encode << QByteArray("1234567890") << bytes("0102030405060708090a");
    QTest::newRow("encode up to a zero byte") << encode << QByteArray("12\0" "34", 5) << bytes("0102");
    QTest::newRow("encode Latin-1 superscript two") << encode << QByteArray("\xb2") << bytes("02");
    QTest::newRow("decode call number") << decode << bytes("0a0301020a") << QByteArray("03120");
    QTest::newRow("decode: byte 0 is the digit 0") << decode << bytes("0500") << QByteArray("50");
    QTest::newRow("decode: no number") << decode << bytes("0102ff") << QByteArray();
    QTest::newRow("decode: signed values") << decode << bytes("0c80") << QByteArray("12-128");
    QTest::newRow("address A12") << address << bytes("410c") << QByteArray("A12");
    QTest::newRow("address: 47 is a number") << address << bytes("412f") << QByteArray("A47");
    QTest::newRow("address: 48 is a character") << address << bytes("4130") << QByteArray("A0");
    QTest::newRow("address with fe: none") << address << bytes("41fe") << QByteArray();
    QTest::newRow("address with @: none") << address << bytes("400c") << QByteArray();
    QTest::newRow("hex dump") << Codec(HexDump) << bytes("fe020a") << QByteArray("fe 02 0a ");
    // clang-format on
}

void TestProtocol::payloadCodes()
{
    QFETCH(Codec, codec);
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, output);

    QCOMPARE(codec(input), output);
}

QTEST_APPLESS_MAIN(TestProtocol)
#include "tst_protocol.moc"
