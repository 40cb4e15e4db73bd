#include "busaddressvalidator.h"

#include <QTest>

namespace {

struct Case
{
    const char *input;
    const char *shown; // the input as the validator leaves it
    QValidator::State state;
};

constexpr auto Invalid = QValidator::Invalid;
constexpr auto Intermediate = QValidator::Intermediate;
constexpr auto Acceptable = QValidator::Acceptable;

// The program's rules: numbers up to 24, letters A to I only.
const Case programCases[] = { { "", "", Intermediate }, { "a", "A", Intermediate },
    { "a1", "A1", Acceptable }, { "12c", "12C", Acceptable }, { "A24", "A24", Acceptable },
    { "24A", "24A", Acceptable }, { "A25", "A25", Invalid }, { "25A", "25A", Invalid },
    { "25", "25", Invalid }, { "24", "24", Intermediate }, { "A0", "A0", Acceptable },
    { "A00", "A00", Acceptable }, { "AB", "AB", Invalid }, { "A1B", "A1B", Invalid },
    { "J", "J", Invalid }, { "z9", "Z9", Invalid }, { "1A2", "1A2", Invalid },
    { "A123", "A123", Invalid }, { "-", "-", Intermediate }, { "A-", "A-", Intermediate },
    { "A1-", "A1-", Intermediate } };

// The library's own: a number typed first only up to 12, J to Z tolerated.
const Case libraryCases[] = { { "a1", "A1", Acceptable }, { "13", "13", Invalid },
    { "12", "12", Intermediate }, { "12a", "12A", Acceptable }, { "A24", "A24", Acceptable },
    { "A25", "A25", Invalid }, { "j1", "J1", Intermediate }, { "1A2", "1A2", Intermediate },
    { "AB", "AB", Invalid }, { "A123", "A123", Invalid } };

} // namespace

class TestBusAddressValidator : public QObject
{
    Q_OBJECT

private slots:
    void validate_data();
    void validate();
};

void TestBusAddressValidator::validate_data()
{
    QTest::addColumn<BusAddressValidator::RuleSet>("rules");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QValidator::State>("state");

    for (const Case &c : programCases) {
        QTest::addRow("program: %s", c.input)
            << BusAddressValidator::ProgramRules << c.input << c.shown << c.state;
    }
    for (const Case &c : libraryCases) {
        QTest::addRow("library: %s", c.input)
            << BusAddressValidator::LibraryRules << c.input << c.shown << c.state;
    }
}

void TestBusAddressValidator::validate()
{
    QFETCH(BusAddressValidator::RuleSet, rules);
    QFETCH(QString, input);
    QFETCH(QString, shown);
    QFETCH(QValidator::State, state);

    // The library's own rules are the default.
    const BusAddressValidator libraryDefault;
    const BusAddressValidator chosen(rules);
    const BusAddressValidator &validator
        = rules == BusAddressValidator::LibraryRules ? libraryDefault : chosen;
    int pos = 1;
    QCOMPARE(validator.validate(input, pos), state);
    QCOMPARE(input, shown);
    QCOMPARE(pos, 1);
}

QTEST_APPLESS_MAIN(TestBusAddressValidator)
#include "tst_busaddressvalidator.moc"
