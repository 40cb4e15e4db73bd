#include "kelvoaddress.h"

#include <QTest>

using Positions = KelvoAddress::Positions;
Q_DECLARE_METATYPE(Positions)

namespace QTest {
template<>
char *toString(const Positions &p)
{
    return qstrdup(QString::asprintf("{%u, %u, %u, %u, %u}", p[0], p[1], p[2], p[3], p[4])
                       .toLatin1()
                       .constData());
}
} // namespace QTest

class TestKelvoAddress : public QObject
{
    Q_OBJECT

private slots:
    void codec_data();
    void codec();
    void undecomposable_data();
    void undecomposable();
    void roundTrip();
};

void TestKelvoAddress::codec_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<Positions>("positions");
    QTest::addColumn<QString>("letterFirst");

    QTest::newRow("A1") << "A1" << Positions { 0, 0, 0, 0, 0 } << "A1";
    QTest::newRow("A2") << "A2" << Positions { 0, 0, 1, 0, 0 } << "A2";
    QTest::newRow("A4") << "A4" << Positions { 0, 1, 0, 0, 0 } << "A4";
    QTest::newRow("A10") << "A10" << Positions { 1, 0, 0, 0, 0 } << "A10";
    QTest::newRow("A27") << "A27" << Positions { 2, 2, 2, 0, 0 } << "A27";
    QTest::newRow("A28") << "A28" << Positions { 3, 0, 0, 0, 0 } << "A28";
    QTest::newRow("B1") << "B1" << Positions { 0, 0, 0, 0, 1 } << "B1";
    QTest::newRow("D1") << "D1" << Positions { 0, 0, 0, 1, 0 } << "D1";
    QTest::newRow("E13") << "E13" << Positions { 1, 1, 0, 1, 1 } << "E13";
    QTest::newRow("13E") << "13E" << Positions { 1, 1, 0, 1, 1 } << "E13";
    QTest::newRow("I24") << "I24" << Positions { 2, 1, 2, 2, 2 } << "I24";
    QTest::newRow("A05") << "A05" << Positions { 0, 1, 1, 0, 0 } << "A5";
}

void TestKelvoAddress::codec()
{
    QFETCH(QString, name);
    QFETCH(Positions, positions);
    QFETCH(QString, letterFirst);

    const KelvoAddress address(name);
    QCOMPARE(address.dippPosition(), positions);
    QCOMPARE(address.addressName(), name); // the caller's order is kept
    QCOMPARE(KelvoAddress::convertName(name), positions);
    QCOMPARE(KelvoAddress::convertPosition(positions), letterFirst);

    KelvoAddress rebuilt(QStringLiteral("I24"));
    rebuilt.setDippPosition(positions);
    QCOMPARE(rebuilt.addressName(), letterFirst);
    QCOMPARE(rebuilt.dippPosition(), positions);
}

void TestKelvoAddress::undecomposable_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name : { "", "a1", "J1", "A", "12", "A0", "00C", "A100", "A1-", " A1", "A1B" })
        QTest::addRow("'%s'", name) << name;
}

void TestKelvoAddress::undecomposable()
{
    QFETCH(QString, name);

    KelvoAddress address(QStringLiteral("12C"));
    address.setAddressName(name);
    QCOMPARE(address.addressName(), QStringLiteral("12C"));
    QCOMPARE(address.dippPosition(), (Positions { 1, 0, 2, 0, 2 }));

    const KelvoAddress fresh(name);
    QCOMPARE(fresh.addressName(), QString());
    QCOMPARE(fresh.dippPosition(), Positions {});
    QCOMPARE(KelvoAddress::convertName(name), Positions {});
}

void TestKelvoAddress::roundTrip()
{
    for (char letter = 'A'; letter <= 'I'; ++letter) {
        for (int number = 1; number <= 99; ++number) {
            const QString expected = QChar::fromLatin1(letter) + QString::number(number);
            const QString numberFirst = QString::number(number) + QChar::fromLatin1(letter);
            for (const QString &name : { expected, numberFirst }) {
                const QString back = KelvoAddress::convertPosition(KelvoAddress::convertName(name));
                QVERIFY2(back == expected, qPrintable(name + QStringLiteral(" -> ") + back));
            }
        }
    }
}

QTEST_APPLESS_MAIN(TestKelvoAddress)
#include "tst_kelvoaddress.moc"
