// The configuration as a value: how it takes changes, what counts as equal,
// and how two of them differ when the adapter gives back something else.

#include "configuration.h"
#include "configurationdiff.h"
#include "inputcheck.h"

#include <QTest>

using Changes = QList<ConfigurationChange>;
Q_DECLARE_METATYPE(ConfigurationChange)

namespace {

using Field = ConfigurationField;

// An attendee 4 whose values all differ from the defaults.
Configuration sample()
{
    Configuration c;
    c.entries[4] = { "0301234", "5", "5A", 0xa9 }; // 0x80: no option
    return c;
}

} // namespace

class TestConfiguration : public QObject
{
    Q_OBJECT

private slots:
    void apply_data();
    void apply();
    void equality_data();
    void equality();
    void differences_data();
    void differences();
    void messageLists();
    void changesNameTheBoxes();
};

void TestConfiguration::apply_data()
{
    QTest::addColumn<Changes>("changes");
    QTest::addColumn<Configuration>("expected");

    Configuration c;
    c.maxCallTime = 99;
    c.callRedirectTime = 0;
    QTest::newRow("times limited to 0 to 99")
        << Changes { { Field::MaxCallTime, 0, {}, 150 }, { Field::CallRedirectTime, 3, {}, -5 } }
        << c;
    c = {};
    c.entries[0].statusByte = 0x5d;
    c.entries[3].statusByte = 0x3d;
    QTest::newRow("status bytes cut to the options")
        << Changes { { Field::StatusByte, 0, {}, 0xff }, { Field::StatusByte, 3, {}, 0xff } } << c;
    c = {};
    c.entries[3].statusByte = 0x21;
    QTest::newRow("only the bits a change carries") << Changes { { Field::StatusByte, 3, {}, 0xff },
        { Field::StatusByte, 3, {}, 0x01, 0x1d } } << c;
    c = {};
    c.entries[9] = { "1", "2", "12A", 0 };
    c.entries[0].callNumber2 = "3";
    QTest::newRow("texts as given; no address for the master")
        << Changes { { Field::CallNumber1, 9, "1" }, { Field::CallNumber2, 9, "2" },
               { Field::BusAddress, 9, "12A" }, { Field::CallNumber2, 0, "3" },
               { Field::BusAddress, 0, "A1" } }
        << c;
    QTest::newRow("no entry outside 0 to 9") << Changes { { Field::CallNumber1, 10, "1" },
        { Field::StatusByte, -1, {}, 1 } } << Configuration();
}

void TestConfiguration::apply()
{
    QFETCH(Changes, changes);
    QFETCH(Configuration, expected);

    Configuration c;
    for (const ConfigurationChange &change : changes)
        c.apply(change);
    QCOMPARE(c, expected);
}

void TestConfiguration::equality_data()
{
    QTest::addColumn<ConfigurationChange>("change");

    QTest::newRow("max call time") << ConfigurationChange { Field::MaxCallTime, 0, {}, 61 };
    QTest::newRow("redirect time") << ConfigurationChange { Field::CallRedirectTime, 0, {}, 31 };
    QTest::newRow("call number 1") << ConfigurationChange { Field::CallNumber1, 9, "1" };
    QTest::newRow("call number 2") << ConfigurationChange { Field::CallNumber2, 0, "2" };
    QTest::newRow("address in the other order")
        << ConfigurationChange { Field::BusAddress, 4, "A12" };
    QTest::newRow("status byte") << ConfigurationChange { Field::StatusByte, 4, {}, 0x28 };
}

// Every value counts, so a copy that lost one is told apart.
void TestConfiguration::equality()
{
    QFETCH(ConfigurationChange, change);

    Configuration changed = sample();
    changed.apply(change);
    QVERIFY(changed != sample());
    QCOMPARE(sample(), sample());
}

void TestConfiguration::differences_data()
{
    QTest::addColumn<Changes>("readBack"); // applied to the written sample
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("same") << Changes {} << QStringList {};
    QTest::newRow("address as the switches show it")
        << Changes { { Field::BusAddress, 4, "A05" } } << QStringList {};
    QTest::newRow("call number 1 of attendee 4")
        << Changes { { Field::CallNumber1, 4, "0301243" } }
        << QStringList { "Teilnehmer 4, Rufnummer 1: geschrieben 0301234, gelesen 0301243" };
    QTest::newRow("times, options and address, in that order")
        << Changes { { Field::BusAddress, 4, "B12" }, { Field::StatusByte, 0, {}, 0x41 },
               { Field::CallRedirectTime, 0, {}, 29 }, { Field::StatusByte, 4, {}, 0x08 } }
        << QStringList { "Zeit bis zur Rufweiterschaltung: geschrieben 30, gelesen 29",
               "Master, Optionen: geschrieben 00000000, gelesen 01000001",
               "Teilnehmer 4, Optionen: geschrieben 00101001, gelesen 00001000",
               "Teilnehmer 4, Kelvo-Adresse: geschrieben 5A, gelesen B12" };
    QTest::newRow("empty values shown")
        << Changes { { Field::CallNumber2, 4, "" }, { Field::BusAddress, 4, "" } }
        << QStringList { "Teilnehmer 4, Rufnummer 2: geschrieben 5, gelesen (leer)",
               "Teilnehmer 4, Kelvo-Adresse: geschrieben 5A, gelesen (leer)" };
}

void TestConfiguration::differences()
{
    QFETCH(Changes, readBack);
    QFETCH(QStringList, lines);

    Configuration read = sample();
    for (const ConfigurationChange &change : readBack)
        read.apply(change);
    // An option bit the entry does not have is no difference.
    read.entries[4].statusByte |= 0x02;
    const QList<ConfigurationDifference> differences = configurationDifferences(sample(), read);
    QCOMPARE(differenceLines(differences), lines);
    QCOMPARE(differences.isEmpty(), lines.isEmpty());
}

// Lists for a message box: one value per line, at most ten, then a count.
void TestConfiguration::messageLists()
{
    QCOMPARE(valueProblemLines({ { 0, Field::MaxCallTime, "ff" }, { 4, Field::CallNumber1, "12a4" },
                 { 0, Field::StatusByte, "" } }),
        QStringList({ "Maximale Zeit der Rufsignalisierung: ff", "Teilnehmer 4, Rufnummer 1: 12a4",
            "Master, Optionen: (leer)" }));
    QCOMPARE(valueProblemLines(QList<ValueProblem>(12)).size(), 11);
    Configuration read;
    read.maxCallTime = 1;
    for (ConfigurationEntry &entry : read.entries)
        entry.callNumber2 = "7";
    const QStringList lines = differenceLines(configurationDifferences(Configuration(), read));
    QCOMPARE(lines.size(), 11);
    QCOMPARE(lines.at(9), "Teilnehmer 8, Rufnummer 2: geschrieben (leer), gelesen 7");
    QCOMPARE(lines.at(10), "… und 1 weitere");
}

// Before a write, each option box by its name, the adapter's state first.
void TestConfiguration::changesNameTheBoxes()
{
    Configuration adapter = sample();
    adapter.entries[0].statusByte = 0x41;
    adapter.entries[4].statusByte = 0x08;
    adapter.entries[4].callNumber2 = "6";
    QCOMPARE(changeLines(configurationDifferences(sample(), adapter)),
        QStringList({ "Master, Alle Teilnehmer auf Master umleiten: ein → aus",
            "Master, Wahl ohne warten: ein → aus", "Teilnehmer 4, Rufnummer 2: 6 → 5",
            "Teilnehmer 4, Erweiterte Funktionen (Teilnehmer Passwort) Freischalten: aus → ein",
            "Teilnehmer 4, Auf Master umleiten: aus → ein" }));
}

QTEST_APPLESS_MAIN(TestConfiguration)
#include "tst_configuration.moc"
