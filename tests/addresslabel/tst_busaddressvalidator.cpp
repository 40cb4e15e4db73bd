#include "busaddressvalidator.h"

#include <QLineEdit>
#include <QTest>

class TestBusAddressValidator : public QObject
{
    Q_OBJECT

private slots:
    void validate_data();
    void validate();
    void typing_data();
    void typing();
};

void TestBusAddressValidator::validate_data()
{
    QTest::addColumn<BusAddressValidator::RuleSet>("rules");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QValidator::State>("state");

    const auto program = BusAddressValidator::ProgramRules;
    const auto library = BusAddressValidator::LibraryRules;
    const auto invalid = QValidator::Invalid;
    const auto intermediate = QValidator::Intermediate;
    const auto acceptable = QValidator::Acceptable;

    QTest::newRow("program: empty") << program << ""
                                    << "" << intermediate;
    QTest::newRow("program: a") << program << "a"
                                << "A" << intermediate;
    QTest::newRow("program: a1") << program << "a1"
                                 << "A1" << acceptable;
    QTest::newRow("program: 12c") << program << "12c"
                                  << "12C" << acceptable;
    QTest::newRow("program: A24") << program << "A24"
                                  << "A24" << acceptable;
    QTest::newRow("program: 24A") << program << "24A"
                                  << "24A" << acceptable;
    QTest::newRow("program: A25") << program << "A25"
                                  << "A25" << invalid;
    QTest::newRow("program: 25A") << program << "25A"
                                  << "25A" << invalid;
    QTest::newRow("program: 25") << program << "25"
                                 << "25" << invalid;
    QTest::newRow("program: 24") << program << "24"
                                 << "24" << intermediate;
    QTest::newRow("program: 1") << program << "1"
                                << "1" << intermediate;
    QTest::newRow("program: A0") << program << "A0"
                                 << "A0" << acceptable;
    QTest::newRow("program: A00") << program << "A00"
                                  << "A00" << acceptable;
    QTest::newRow("program: AB") << program << "AB"
                                 << "AB" << invalid;
    QTest::newRow("program: A1B") << program << "A1B"
                                  << "A1B" << invalid;
    QTest::newRow("program: J") << program << "J"
                                << "J" << invalid;
    QTest::newRow("program: z9") << program << "z9"
                                 << "Z9" << invalid;
    QTest::newRow("program: 1A2") << program << "1A2"
                                  << "1A2" << invalid;
    QTest::newRow("program: A123") << program << "A123"
                                   << "A123" << invalid;
    QTest::newRow("program: hyphen") << program << "-"
                                     << "-" << intermediate;
    QTest::newRow("program: A-") << program << "A-"
                                 << "A-" << intermediate;
    QTest::newRow("program: A1-") << program << "A1-"
                                  << "A1-" << intermediate;

    QTest::newRow("library: empty") << library << ""
                                    << "" << intermediate;
    QTest::newRow("library: a1") << library << "a1"
                                 << "A1" << acceptable;
    QTest::newRow("library: 13") << library << "13"
                                 << "13" << invalid;
    QTest::newRow("library: 12") << library << "12"
                                 << "12" << intermediate;
    QTest::newRow("library: 12a") << library << "12a"
                                  << "12A" << acceptable;
    QTest::newRow("library: 1A") << library << "1A"
                                 << "1A" << acceptable;
    QTest::newRow("library: A24") << library << "A24"
                                  << "A24" << acceptable;
    QTest::newRow("library: A25") << library << "A25"
                                  << "A25" << invalid;
    QTest::newRow("library: j1") << library << "j1"
                                 << "J1" << intermediate;
    QTest::newRow("library: 1A2") << library << "1A2"
                                  << "1A2" << intermediate;
    QTest::newRow("library: AB") << library << "AB"
                                 << "AB" << invalid;
    QTest::newRow("library: A123") << library << "A123"
                                   << "A123" << invalid;
}

void TestBusAddressValidator::validate()
{
    QFETCH(BusAddressValidator::RuleSet, rules);
    QFETCH(QString, input);
    QFETCH(QString, output);
    QFETCH(QValidator::State, state);

    // The library's own rules are the default.
    BusAddressValidator libraryDefault;
    BusAddressValidator chosen(rules);
    const BusAddressValidator &validator
        = rules == BusAddressValidator::LibraryRules ? libraryDefault : chosen;
    int pos = 1;
    QCOMPARE(validator.validate(input, pos), state);
    QCOMPARE(input, output);
    QCOMPARE(pos, 1);
}

void TestBusAddressValidator::typing_data()
{
    QTest::addColumn<BusAddressValidator::RuleSet>("rules");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("shown");

    QTest::newRow("program: c1") << BusAddressValidator::ProgramRules << "c1"
                                 << "C1";
    QTest::newRow("program: 25b") << BusAddressValidator::ProgramRules << "25b"
                                  << "2B";
    QTest::newRow("program: 12b") << BusAddressValidator::ProgramRules << "12b"
                                  << "12B";
    QTest::newRow("program: kb7") << BusAddressValidator::ProgramRules << "kb7"
                                  << "B7";
    QTest::newRow("library: 13c") << BusAddressValidator::LibraryRules << "13c"
                                  << "1C";
    QTest::newRow("library: 1a2") << BusAddressValidator::LibraryRules << "1a2"
                                  << "1A2";
}

void TestBusAddressValidator::typing()
{
    QFETCH(BusAddressValidator::RuleSet, rules);
    QFETCH(QString, keys);
    QFETCH(QString, shown);

    QLineEdit edit;
    edit.setValidator(new BusAddressValidator(rules, &edit));
    QTest::keyClicks(&edit, keys);
    QCOMPARE(edit.text(), shown);
}

QTEST_MAIN(TestBusAddressValidator)
#include "tst_busaddressvalidator.moc"
