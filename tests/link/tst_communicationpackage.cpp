#include "communicationpackage.h"

#include <QTest>

namespace {

QByteArray bytes(const char *hex)
{
    return QByteArray::fromHex(hex);
}

QByteArray sequence(int size)
{
    QByteArray data;
    for (int i = 0; i < size; ++i)
        data.append(char(i * 7));
    return data;
}

} // namespace

class tst_CommunicationPackage : public QObject
{
    Q_OBJECT

private slots:
    void frameRoundTrip_data();
    void frameRoundTrip();
    void parseFailures_data();
    void parseFailures();
    void escaping_data();
    void escaping();
    void unescapeQuirks_data();
    void unescapeQuirks();
};

void tst_CommunicationPackage::frameRoundTrip_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<QByteArray>("wire");

    QTest::newRow("acknowledge") << 0x20 << QByteArray() << bytes("fe012021");
    QTest::newRow("status request") << 0x19 << bytes("03") << bytes("fe0219031e");
    QTest::newRow("checksum fe escaped") << 0x05 << bytes("02f4") << bytes("fe030502f4fd01");
    QTest::newRow("checksum fd escaped") << 0x05 << bytes("02f3") << bytes("fe030502f3fd00");
    QTest::newRow("payload fe and fd") << 0x09 << bytes("fefd01") << bytes("fe0409fd01fd000109");
    QTest::newRow("command fe") << 0xFE << QByteArray() << bytes("fe01fd01ff");
    QTest::newRow("command fd") << 0xFD << QByteArray() << bytes("fe01fd00fd01");

    // Length fe and fd: payloads of 253 and 252 bytes.
    for (int size : { 252, 253 }) {
        const QByteArray payload(size, '\0');
        const byte length = byte(size + 1);
        const byte checksum = byte(length + 0x02);
        QByteArray body;
        body.append(char(length)).append('\x02').append(payload).append(char(checksum));
        QTest::addRow("length %x", length) << 0x02 << payload << char(0xFE) + EscapeBytes(body);
    }

    // 255 payload bytes: the length byte wraps to 0 and stands for 256.
    const QByteArray longest = sequence(255);
    byte sum = 0x12;
    for (char c : longest)
        sum += byte(c);
    QByteArray body;
    body.append('\0').append('\x12').append(longest).append(char(sum));
    QTest::newRow("length 0 is 256") << 0x12 << longest << char(0xFE) + EscapeBytes(body);
}

void tst_CommunicationPackage::frameRoundTrip()
{
    QFETCH(int, command);
    QFETCH(QByteArray, payload);
    QFETCH(QByteArray, wire);

    CommunicationPackage sent;
    sent.SetCommand(byte(command));
    sent.SetData(payload);
    sent.CalculateChecksum();
    QCOMPARE(sent.ToByteArray().toHex(), wire.toHex());

    CommunicationPackage received;
    for (int i = 0; i < wire.size(); ++i) {
        const int result = received.AddByte(byte(wire.at(i)));
        if (i < wire.size() - 1) {
            QCOMPARE(result, int(CommunicationPackage::ParseIncomplete));
            QVERIFY(!received.IsComplete());
        } else {
            QCOMPARE(result, int(CommunicationPackage::ParseComplete));
        }
    }
    QVERIFY(received.IsComplete());
    QCOMPARE(received.Command(), byte(command));
    QCOMPARE(received.Data().toHex(), payload.toHex());
    QCOMPARE(received.Length(), byte(payload.size() + 1));
    QCOMPARE(received.Checksum(), sent.Checksum());
    QCOMPARE(received.RawData(), wire);
}

void tst_CommunicationPackage::parseFailures_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("command");
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<QByteArray>("raw");

    const int incomplete = CommunicationPackage::ParseIncomplete;
    const int checksumError = CommunicationPackage::ParseChecksumError;
    const int complete = CommunicationPackage::ParseComplete;

    QTest::newRow("wrong checksum")
        << bytes("fe0219031f") << checksumError << 0 << QByteArray() << bytes("fe0219031f");
    QTest::newRow("bytes after a wrong checksum")
        << bytes("fe0219031f0120") << checksumError << 0 << QByteArray() << bytes("fe0219031f0120");
    QTest::newRow("start after a wrong checksum")
        << bytes("fe0219031f01fe012021") << complete << 0x20 << QByteArray() << bytes("fe012021");
    QTest::newRow("truncated") << bytes("fe021903") << incomplete << 0 << QByteArray()
                               << bytes("fe021903");
    QTest::newRow("second start drops the first part")
        << bytes("fe0305fe0219031e") << complete << 0x19 << bytes("03") << bytes("fe0219031e");
    QTest::newRow("escape byte waits for its pair")
        << bytes("fe030502f3fd") << incomplete << 0 << QByteArray() << bytes("fe030502f3fd");
    QTest::newRow("text before any start")
        << QByteArray("Hausruf 3:") << incomplete << 0 << QByteArray() << QByteArray("Hausruf 3:");
    QTest::newRow("text then frame") << QByteArray("Ruf") + bytes("fe012021") << complete << 0x20
                                     << QByteArray() << bytes("fe012021");
    // Length 0 means 256 bytes, not none: a checksum right after the command
    // is only a payload byte.
    QTest::newRow("length 0 is not empty")
        << bytes("fe001212") << incomplete << 0 << QByteArray() << bytes("fe001212");
}

void tst_CommunicationPackage::parseFailures()
{
    QFETCH(QByteArray, input);
    QFETCH(int, result);
    QFETCH(int, command);
    QFETCH(QByteArray, payload);
    QFETCH(QByteArray, raw);

    CommunicationPackage package;
    int last = -1;
    for (char c : std::as_const(input))
        last = package.AddByte(byte(c));
    QCOMPARE(last, result);
    QCOMPARE(package.IsComplete(), result == CommunicationPackage::ParseComplete);
    QCOMPARE(package.Command(), byte(command));
    QCOMPARE(package.Data().toHex(), payload.toHex());
    QCOMPARE(package.RawData().toHex(), raw.toHex());
    if (result != CommunicationPackage::ParseComplete) {
        QCOMPARE(package.Length(), byte(0));
        QCOMPARE(package.Checksum(), byte(0));
    }
}

void tst_CommunicationPackage::escaping_data()
{
    QTest::addColumn<QByteArray>("plain");
    QTest::addColumn<QByteArray>("escaped");

    QTest::newRow("empty") << QByteArray() << QByteArray();
    QTest::newRow("nothing to escape") << bytes("0001fcff") << bytes("0001fcff");
    QTest::newRow("marker") << bytes("fe") << bytes("fd01");
    QTest::newRow("escape byte") << bytes("fd") << bytes("fd00");
    QTest::newRow("mixed") << bytes("41fefd42fdfe") << bytes("41fd01fd0042fd00fd01");
}

void tst_CommunicationPackage::escaping()
{
    QFETCH(QByteArray, plain);
    QFETCH(QByteArray, escaped);

    QCOMPARE(EscapeBytes(plain, 0xFE).toHex(), escaped.toHex());
    QCOMPARE(UnescapeBytes(escaped, 0xFE).toHex(), plain.toHex());
    QVERIFY(!EscapeBytes(plain, 0xFE).contains(char(0xFE)));
}

void tst_CommunicationPackage::unescapeQuirks_data()
{
    QTest::addColumn<QByteArray>("escaped");
    QTest::addColumn<QByteArray>("plain");

    QTest::newRow("trailing escape byte") << bytes("41fd") << bytes("41");
    QTest::newRow("two escape bytes count as one") << bytes("fdfd01") << bytes("fe");
    QTest::newRow("escape before other byte adds fd") << bytes("fd02") << bytes("ff");
}

void tst_CommunicationPackage::unescapeQuirks()
{
    QFETCH(QByteArray, escaped);
    QFETCH(QByteArray, plain);

    QCOMPARE(UnescapeBytes(escaped, 0xFE).toHex(), plain.toHex());
}

QTEST_GUILESS_MAIN(tst_CommunicationPackage)
#include "tst_communicationpackage.moc"
