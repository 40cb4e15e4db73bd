// The input check before a transmit: which entry, field and rule stop it.

#include "inputcheck.h"

#include <QTest>

namespace {

// Entries as filled in; the status bytes are the adapter's: 0x20 extended
// functions, 0x10 number 2 dialled first, 0x08 call redirect.
struct Filled
{
    int entry;
    ConfigurationEntry values;
};
using Entries = QList<Filled>;

const QString longest2 = QString(22, QLatin1Char('9'));

} // namespace

Q_DECLARE_METATYPE(Entries)
Q_DECLARE_METATYPE(InputProblem)

namespace QTest {
template<>
char *toString(const std::optional<InputProblem> &p)
{
    if (!p)
        return qstrdup("none");
    return qstrdup(QByteArray::number(p->entry) + " field " + QByteArray::number(int(p->field))
        + " rule " + QByteArray::number(p->rule));
}
} // namespace QTest

class TestInputRules : public QObject
{
    Q_OBJECT

private slots:
    void firstProblem_data();
    void firstProblem();
};

void TestInputRules::firstProblem_data()
{
    QTest::addColumn<Entries>("entries");
    QTest::addColumn<int>("entry"); // -1: no problem
    QTest::addColumn<ConfigurationField>("field");
    QTest::addColumn<InputProblem::Rule>("rule");
    QTest::addColumn<QString>("times"); // maximum call time/redirect time

    using F = ConfigurationField;
    using P = InputProblem;
    const auto none = [](const char *name, const Entries &entries) {
        QTest::newRow(name) << entries << -1 << F::CallNumber1 << P::MissingCallNumber << "60/30";
    };
    const auto row = [](const char *name, const Entries &entries, int entry, F field, P::Rule rule,
                         const char *times = "60/30") {
        QTest::newRow(name) << entries << entry << field << rule << times;
    };

    none("all empty", {});
    none("complete, master without numbers",
        { { 1, { "1", "", "A1", 0 } }, { 9, { "9999", longest2, "I27", 0x3d } } });
    row("address without number; later attendees not looked at",
        { { 3, { "", "", "A5", 0 } }, { 5, { "5", "", "", 0 } } }, 3, F::CallNumber1,
        P::MissingCallNumber);
    row("number without address", { { 2, { "12", "", "", 0 } } }, 2, F::BusAddress,
        P::MissingBusAddress);
    none("number 2 dialled first stands in for number 1", { { 2, { "", "5", "B2", 0x30 } } });
    row("number 2 dialled first, but missing", { { 2, { "", "", "B2", 0x30 } } }, 2, F::CallNumber2,
        P::MissingCallNumber);
    row("call redirect needs number 2", { { 2, { "1", "", "B2", 0x28 } } }, 2, F::CallNumber2,
        P::MissingCallNumber);
    row("call redirect with number 2 needs number 1, before the address",
        { { 4, { "", "7", "", 0x28 } } }, 4, F::CallNumber1, P::MissingCallNumber);
    none("options count only with extended functions", { { 2, { "1", "", "A2", 0x1d } } });
    none("extended functions alone need nothing", { { 2, { "", "", "", 0x20 } } });
    row("same switches in the other order",
        { { 1, { "1", "", "B12", 0 } }, { 3, { "3", "", "C12", 0 } },
            { 6, { "6", "", "12B", 0 } } },
        6, F::BusAddress, P::DuplicateBusAddress);
    row("same switches with a leading zero",
        { { 2, { "1", "", "A05", 0 } }, { 7, { "2", "", "5A", 0 } } }, 7, F::BusAddress,
        P::DuplicateBusAddress);
    none("an empty attendee before one at A1", { { 1, {} }, { 2, { "1", "", "A1", 0 } } });

    row("letter in call number 1", { { 5, { "12a", "", "A5", 0 } } }, 5, F::CallNumber1,
        P::MalformedCallNumber);
    row("a blank is no call number", { { 5, { "1", " ", "A5", 0 } } }, 5, F::CallNumber2,
        P::MalformedCallNumber);
    row("digits of another script", { { 5, { "\u0661", "", "A5", 0 } } }, 5, F::CallNumber1,
        P::MalformedCallNumber);
    row("call number 1 longer than 4", { { 5, { "12345", "", "A5", 0 } } }, 5, F::CallNumber1,
        P::MalformedCallNumber);
    row("call number 2 longer than 22", { { 5, { "1", longest2 + "0", "A5", 0 } } }, 5,
        F::CallNumber2, P::MalformedCallNumber);
    row("master's call number too", { { 0, { "1", "2-3", "", 0 } } }, 0, F::CallNumber2,
        P::MalformedCallNumber);
    for (const char *address : { "B", "7", "C-", "A0", "A28", "a1", "A 5", "12" }) {
        row(qPrintable(QStringLiteral("address %1").arg(address)),
            { { 8, { "1", "", address, 0 } } }, 8, F::BusAddress, P::MalformedBusAddress);
    }

    row("two at once: the form before a missing number", { { 4, { "", "", "B", 0 } } }, 4,
        F::BusAddress, P::MalformedBusAddress);
    row("two at once: the form before a missing address", { { 4, { "1x", "", "", 0 } } }, 4,
        F::CallNumber1, P::MalformedCallNumber);
    row("two at once: call number 1 before 2", { { 4, { "x", "y", "A4", 0 } } }, 4, F::CallNumber1,
        P::MalformedCallNumber);
    row("two at once: a missing number before a duplicate",
        { { 1, { "1", "", "A1", 0 } }, { 2, { "", "", "A1", 0 } } }, 2, F::CallNumber1,
        P::MissingCallNumber);
    row("two at once: an invalid address is no duplicate of A1",
        { { 1, { "1", "", "A1", 0 } }, { 2, { "2", "", "A0", 0 } } }, 2, F::BusAddress,
        P::MalformedBusAddress);
    row("two at once: the earlier attendee first",
        { { 3, { "", "5", "", 0 } }, { 6, { "x", "", "", 0 } } }, 3, F::BusAddress,
        P::MissingBusAddress);

    // The times before the master's call numbers.
    const Entries master { { 0, { "x", "", "", 0 } } };
    row("times 2 apart", master, 0, F::CallNumber1, P::MalformedCallNumber, "32/30");
    row("times 1 apart", master, 0, F::MaxCallTime, P::CallTimeOrder, "31/30");
    row("times equal", {}, 0, F::MaxCallTime, P::CallTimeOrder, "30/30");
    row("redirect after the maximum", {}, 0, F::MaxCallTime, P::CallTimeOrder, "10/25");
}

void TestInputRules::firstProblem()
{
    QFETCH(Entries, entries);
    QFETCH(int, entry);
    QFETCH(ConfigurationField, field);
    QFETCH(InputProblem::Rule, rule);
    QFETCH(QString, times);

    Configuration c;
    c.maxCallTime = times.section('/', 0, 0).toInt();
    c.callRedirectTime = times.section('/', 1).toInt();
    for (const Filled &filled : entries)
        c.entries[filled.entry] = filled.values;
    const std::optional<InputProblem> expected
        = entry < 0 ? std::nullopt : std::optional(InputProblem { entry, field, rule });
    QCOMPARE(firstInputProblem(c), expected);
}

QTEST_APPLESS_MAIN(TestInputRules)
#include "tst_inputrules.moc"
