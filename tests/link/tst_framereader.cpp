#include "framereader.h"

#include <QBuffer>
#include <QTest>

namespace {

QByteArray bytes(const char *hex)
{
    return QByteArray::fromHex(hex);
}

// "frame 19 03f4" or "text Hausruf" per item, in order.
QStringList takeAll(FrameReader &reader)
{
    QStringList items;
    while (reader.hasItem()) {
        const FrameReader::Item item = reader.takeItem();
        if (item.kind == FrameReader::Item::FrameItem)
            items << QStringLiteral("frame %1 %2")
                         .arg(item.frame.command, 2, 16, QLatin1Char('0'))
                         .arg(QString::fromLatin1(item.frame.payload.toHex()));
        else
            items << QStringLiteral("text ") + item.text();
    }
    return items;
}

} // namespace

class tst_FrameReader : public QObject
{
    Q_OBJECT

private slots:
    void items_data();
    void items();
    void fromDevice();
    void parseResults_data();
    void parseResults();
    void escaping_data();
    void escaping();
};

void tst_FrameReader::items_data()
{
    QTest::addColumn<QList<QByteArray>>("appends");
    QTest::addColumn<bool>("abandon");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<int>("dropped");

    const QByteArray ack = bytes("fe012021");
    const QByteArray status = bytes("fe031902dffd00"); // checksum fd, escaped
    QTest::newRow("frame") << QList { ack } << false << QStringList { "frame 20 " } << 0;
    QTest::newRow("text") << QList<QByteArray> { "Hausruf 3:B2\r\n" } << false
                          << QStringList { "text Hausruf 3:B2\r\n" } << 0;
    QTest::newRow("text up to a zero byte")
        << QList { QByteArray("Ruf\0fuer", 8) } << false << QStringList { "text Ruf" } << 0;
    QTest::newRow("Latin-1") << QList<QByteArray> { "Gr\xfc\xdf"
                                                    "e" }
                             << false << QStringList { "text Grüße" } << 0;
    QTest::newRow("text, frame, text in one append")
        << QList { "vor" + ack + "nach" } << false
        << QStringList { "text vor", "frame 20 ", "text nach" } << 0;
    QTest::newRow("frames in one append")
        << QList { ack + status + ack } << false
        << QStringList { "frame 20 ", "frame 19 02df", "frame 20 " } << 0;
    QTest::newRow("text of two appends")
        << QList<QByteArray> { "Ruf fuer ", "Teilnehmer" } << false
        << QStringList { "text Ruf fuer ", "text Teilnehmer" } << 0;
    QTest::newRow("frame split after its start")
        << QList { status.left(1), status.mid(1) } << false << QStringList { "frame 19 02df" } << 0;
    QTest::newRow("frame split inside an escape pair")
        << QList { status.left(6), status.mid(6) } << false << QStringList { "frame 19 02df" } << 0;
    QTest::newRow("wrong checksum gives the bytes back")
        << QList<QByteArray> { "\xfe\r\nRuf 2:aus\r\nTuer\r\n" } << false
        << QStringList { "text \r\nRuf 2:aus\r\nTuer\r\n" } << 1;
    QTest::newRow("another start byte first") << QList { "\xfe\x05"
                                                         "ab"
        + ack } << false
                                              << QStringList { "text \x05"
                                                               "ab",
                                                     "frame 20 " }
                                              << 1;
    QTest::newRow("no frame within the longest")
        << QList { "\xfe" + QByteArray(600, '\xfd') } << false
        << QStringList { "text " + QString(600, u'ý') } << 1;
    QTest::newRow("given up after a pause") << QList<QByteArray> { "ab\xfe\tRuf" } << true
                                            << QStringList { "text ab", "text \tRuf" } << 1;
    QTest::newRow("frame waits for its rest")
        << QList { status.left(5) } << false << QStringList {} << 0;
}

void tst_FrameReader::items()
{
    QFETCH(QList<QByteArray>, appends);
    QFETCH(bool, abandon);
    QFETCH(QStringList, items);
    QFETCH(int, dropped);

    FrameReader reader;
    for (const QByteArray &bytes : std::as_const(appends)) {
        reader.append(bytes);
        QVERIFY(reader.partialFrameSize() <= FrameReader::LongestFrame);
    }
    if (abandon)
        reader.abandonPartialFrame();
    QCOMPARE(takeAll(reader), items);
    QCOMPARE(reader.droppedStartBytes(), dropped);
    QCOMPARE(reader.hasPartialFrame(), !abandon && items.isEmpty());
}

void tst_FrameReader::fromDevice()
{
    QBuffer device;
    device.setData("Ende\xfe\x01\x20");
    QVERIFY(device.open(QIODevice::ReadOnly));
    FrameReader reader;
    QCOMPARE(reader.readFrom(&device), 7);
    reader.append("\x21");
    QCOMPARE(takeAll(reader), (QStringList { "text Ende", "frame 20 " }));
}

// The frame parser itself, as the reader uses it.
void tst_FrameReader::parseResults_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("result");
    QTest::addColumn<QByteArray>("raw");

    const int complete = CommunicationPackage::ParseComplete;
    const int incomplete = CommunicationPackage::ParseIncomplete;
    QTest::newRow("complete") << bytes("fe0219031e") << complete << bytes("fe0219031e");
    QTest::newRow("wrong checksum")
        << bytes("fe0219031f") << int(CommunicationPackage::ParseChecksumError)
        << bytes("fe0219031f");
    QTest::newRow("truncated") << bytes("fe021903") << incomplete << bytes("fe021903");
    QTest::newRow("start drops what came before")
        << bytes("41fe0305fe012021") << complete << bytes("fe012021");
    QTest::newRow("escape byte waits for its pair")
        << bytes("fe030502f3fd") << incomplete << bytes("fe030502f3fd");
    QTest::newRow("two escape bytes count as one")
        << bytes("fe0219fdfd0119") << complete << bytes("fe0219fdfd0119");
    QTest::newRow("length 0 is 256, not none")
        << bytes("fe001212") << incomplete << bytes("fe001212");
}

void tst_FrameReader::parseResults()
{
    QFETCH(QByteArray, input);
    QFETCH(int, result);
    QFETCH(QByteArray, raw);

    CommunicationPackage package;
    int last = -1;
    for (char c : std::as_const(input))
        last = package.AddByte(byte(c));
    QCOMPARE(last, result);
    QCOMPARE(package.IsComplete(), result == CommunicationPackage::ParseComplete);
    QCOMPARE(package.RawData().toHex(), raw.toHex());
    if (!package.IsComplete())
        QCOMPARE(package.Data(), QByteArray());
}

void tst_FrameReader::escaping_data()
{
    QTest::addColumn<QByteArray>("plain");
    QTest::addColumn<QByteArray>("escaped");

    QTest::newRow("nothing to escape") << bytes("0001fcff") << bytes("0001fcff");
    QTest::newRow("mixed") << bytes("41fefd42fdfe") << bytes("41fd01fd0042fd00fd01");
}

void tst_FrameReader::escaping()
{
    QFETCH(QByteArray, plain);
    QFETCH(QByteArray, escaped);

    QCOMPARE(EscapeBytes(plain).toHex(), escaped.toHex());
    QCOMPARE(UnescapeBytes(escaped).toHex(), plain.toHex());
}

QTEST_GUILESS_MAIN(tst_FrameReader)
#include "tst_framereader.moc"
