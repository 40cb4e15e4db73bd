#include "ptypeer.h"
#include "serialhelper.h"

#include <QTest>

#include <functional>

using Command = std::function<bool(SerialHelper &)>;
Q_DECLARE_METATYPE(Command)

namespace {

QByteArray bytes(const char *hex)
{
    return QByteArray::fromHex(hex);
}

} // namespace

class tst_CommandSet : public QObject
{
    Q_OBJECT

private slots:
    void wireBytes_data();
    void wireBytes();
    void closedPortFails();
    void debugLines();
    void encodeDigits_data();
    void encodeDigits();
    void decodeDigits_data();
    void decodeDigits();
    void decodeBusAddress_data();
    void decodeBusAddress();
    void hexDump_data();
    void hexDump();
};

void tst_CommandSet::wireBytes_data()
{
    QTest::addColumn<Command>("command");
    QTest::addColumn<QByteArray>("wire");

    // The adapter's reference frames.
    QTest::newRow("logout") << Command([](SerialHelper &l) { return l.TransmitLogout(); })
                            << bytes("fe010001");
    QTest::newRow("request call number 1, 2")
        << Command([](SerialHelper &l) { return l.RequestCallNumber(1, 2); })
        << bytes("fe0312010218");
    QTest::newRow("request max call time")
        << Command([](SerialHelper &l) { return l.RequestCallRedirectTime(true); })
        << bytes("fe011415");
    QTest::newRow("max call time 30") << Command([](SerialHelper &l) {
        QTest::ignoreMessage(QtDebugMsg, "Transmitted: fe 02 04 1e 24 ");
        return l.TransmitCallRedirectTime(30, true);
    }) << bytes("fe02041e24");
    QTest::newRow("call number with a space")
        << Command([](SerialHelper &l) { return l.TransmitCallNumber(1, "120 3", 1); })
        << bytes("fe0702010101020a031b");
    QTest::newRow("bus address A12")
        << Command([](SerialHelper &l) { return l.TransmitBusAddress(1, "12", "A"); })
        << bytes("fe0409010c415b");
    QTest::newRow("request status byte 3")
        << Command([](SerialHelper &l) { return l.RequestStatusByte(3); }) << bytes("fe0219031e");
    QTest::newRow("status byte f4, escaped checksum")
        << Command([](SerialHelper &l) { return l.TransmitStatusByte(2, 0xF4); })
        << bytes("fe030502f4fd01");

    // Every other command.
    QTest::newRow("login") << Command([](SerialHelper &l) {
        return l.TransmitLogin(EncodeDigits(QByteArray("1204")));
    }) << bytes("fe050001020a0416");
    QTest::newRow("master password twice") << Command([](SerialHelper &l) {
        return l.TransmitMasterPassword(EncodeDigits(QByteArray("9876")));
    }) << bytes("fe0901090807060908070646");
    QTest::newRow("redirect time") << Command([](SerialHelper &l) {
        QTest::ignoreMessage(QtDebugMsg, "Transmitted: fe 02 03 63 68 ");
        return l.TransmitCallRedirectTime(99, false);
    }) << bytes("fe02036368");
    QTest::newRow("request redirect time")
        << Command([](SerialHelper &l) { return l.RequestCallRedirectTime(false); })
        << bytes("fe011314");
    QTest::newRow("empty call number")
        << Command([](SerialHelper &l) { return l.TransmitCallNumber(9, "", 2); })
        << bytes("fe0302090210");
    QTest::newRow("call number with a letter")
        << Command([](SerialHelper &l) { return l.TransmitCallNumber(0, "0x", 1); })
        << bytes("fe050200010aff11");
    QTest::newRow("call number up to a zero byte") << Command([](SerialHelper &l) {
        return l.TransmitCallNumber(0,
            QByteArray("5\0"
                       "6",
                3),
            1);
    }) << bytes("fe04020001050c");
    QTest::newRow("bus address without floor")
        << Command([](SerialHelper &l) { return l.TransmitBusAddress(4, "", ""); })
        << bytes("fe0309040010");
    QTest::newRow("floor text no number")
        << Command([](SerialHelper &l) { return l.TransmitBusAddress(4, "x1", "B"); })
        << bytes("fe040904004253");
    QTest::newRow("floor cut to 8 bits")
        << Command([](SerialHelper &l) { return l.TransmitBusAddress(4, "300", "C"); })
        << bytes("fe0409042c4380");
    QTest::newRow("acknowledge") << Command([](SerialHelper &l) { return l.TransmitAcknowledge(); })
                                 << bytes("fe012021");
    QTest::newRow("negative acknowledge")
        << Command([](SerialHelper &l) { return l.TransmitNoAcknowledge(); }) << bytes("fe012122");
    QTest::newRow("reset") << Command([](SerialHelper &l) { return l.TransmitReset(); })
                           << bytes("fe043852535435");
    QTest::newRow("lock attendee password")
        << Command([](SerialHelper &l) { return l.TransmitLockAttendeePassword(5); })
        << bytes("fe0208050f");
    QTest::newRow("unlock attendee password")
        << Command([](SerialHelper &l) { return l.TransmitUnlockAttendeePassword(5); })
        << bytes("fe0207050e");
    QTest::newRow("request bus address")
        << Command([](SerialHelper &l) { return l.RequestBusAddress(7); }) << bytes("fe021f0728");
    QTest::newRow("request master password")
        << Command([](SerialHelper &l) { return l.RequestMasterPassword(); }) << bytes("fe010a0b");
}

void tst_CommandSet::wireBytes()
{
    QFETCH(Command, command);
    QFETCH(QByteArray, wire);

    PtyPeer peer;
    SerialHelper link;
    QVERIFY(link.SetComPort(peer.portName()));
    QVERIFY(link.OpenCommunication());
    QVERIFY(command(link));
    QVERIFY(peer.waitForRawBytes(int(wire.size())));
    QCOMPARE(peer.takeRawBytes().toHex(' '), wire.toHex(' '));
}

void tst_CommandSet::closedPortFails()
{
    SerialHelper link;
    QVERIFY(!link.TransmitStatusByte(1, 2));
    QVERIFY(!link.RequestMasterPassword());
}

void tst_CommandSet::debugLines()
{
    SerialHelper link;
    QTest::ignoreMessage(QtDebugMsg, "SignalStatus: Port offen");
    link.signalStatus(QStringLiteral("Port offen"), QDateTime::currentDateTime());
}

void tst_CommandSet::encodeDigits_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("digits");

    QTest::newRow("empty") << QByteArray() << QByteArray();
    QTest::newRow("all digits") << QByteArray("1234567890") << bytes("0102030405060708090a");
    QTest::newRow("spaces dropped") << QByteArray(" 0 1 ") << bytes("0a01");
    QTest::newRow("no digit") << QByteArray("1+2") << bytes("01ff02");
    QTest::newRow("up to a zero byte") << QByteArray("12\0"
                                                     "34",
        5) << bytes("0102");
    QTest::newRow("Latin-1 superscript two") << QByteArray("\xb2") << bytes("02");
}

void tst_CommandSet::encodeDigits()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, digits);

    QCOMPARE(EncodeDigits(text).toHex(), digits.toHex());
    QCOMPARE(EncodeDigits(QString::fromLatin1(text)).toHex(), digits.toHex());
}

void tst_CommandSet::decodeDigits_data()
{
    QTest::addColumn<QByteArray>("digits");
    QTest::addColumn<QByteArray>("text");

    QTest::newRow("empty") << QByteArray() << QByteArray();
    QTest::newRow("call number") << bytes("0a0301020a") << QByteArray("03120");
    QTest::newRow("byte 0 is the digit 0") << bytes("0500") << QByteArray("50");
    QTest::newRow("no number") << bytes("0102ff") << QByteArray();
    QTest::newRow("no number at the start") << bytes("ff0102") << QByteArray();
    QTest::newRow("other values as signed numbers") << bytes("0c80") << QByteArray("12-128");
}

void tst_CommandSet::decodeDigits()
{
    QFETCH(QByteArray, digits);
    QFETCH(QByteArray, text);

    QCOMPARE(DecodeDigits(digits), text);
}

void tst_CommandSet::decodeBusAddress_data()
{
    QTest::addColumn<QByteArray>("address");
    QTest::addColumn<QByteArray>("text");

    QTest::newRow("A12") << bytes("410c") << QByteArray("A12");
    QTest::newRow("I1") << bytes("4901") << QByteArray("I1");
    QTest::newRow("C13") << bytes("430d") << QByteArray("C13");
    QTest::newRow("B27") << bytes("421b") << QByteArray("B27");
    QTest::newRow("47 is still a number") << bytes("412f") << QByteArray("A47");
    QTest::newRow("48 is a character") << bytes("4130") << QByteArray("A0");
    QTest::newRow("0xFE: no address") << bytes("41fe") << QByteArray();
    QTest::newRow("@: no address") << bytes("400c") << QByteArray();
    QTest::newRow("empty") << QByteArray() << QByteArray();
}

void tst_CommandSet::decodeBusAddress()
{
    QFETCH(QByteArray, address);
    QFETCH(QByteArray, text);

    QCOMPARE(DecodeBusAddress(address), text);
}

void tst_CommandSet::hexDump_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QByteArray>("dump");

    QTest::newRow("frame") << bytes("fe0219031e") << QByteArray("fe 02 19 03 1e ");
    QTest::newRow("small values padded") << bytes("000a") << QByteArray("00 0a ");
    QTest::newRow("empty") << QByteArray() << QByteArray();
}

void tst_CommandSet::hexDump()
{
    QFETCH(QByteArray, data);
    QFETCH(QByteArray, dump);

    QCOMPARE(HexDump(data), dump);
}

QTEST_GUILESS_MAIN(tst_CommandSet)
#include "tst_commandset.moc"
