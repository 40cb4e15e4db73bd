#include "busaddressvalidator.h"

#include "kelvoaddress.h"

#include <algorithm>

namespace {

// Largest value of the whole text read as a number: bounds how far a
// number-first address can be typed digit by digit.
int wholeNumberLimit(BusAddressValidator::RuleSet rules)
{
    return rules == BusAddressValidator::ProgramRules ? 24 : 12;
}

constexpr int maximumLength = 3;
constexpr int maximumAddressNumber = 24;

bool isAddressLetter(QChar c)
{
    return c >= u'A' && c <= u'I';
}

bool isForeignLetter(QChar c)
{
    return c >= u'J' && c <= u'Z';
}

} // namespace

BusAddressValidator::BusAddressValidator(QObject *parent)
    : BusAddressValidator(LibraryRules, parent)
{ }

BusAddressValidator::BusAddressValidator(RuleSet rules, QObject *parent)
    : QValidator(parent)
    , m_rules(rules)
{ }

BusAddressValidator::~BusAddressValidator() = default;

QValidator::State BusAddressValidator::validate(QString &input, int &pos) const
{
    Q_UNUSED(pos)
    input = input.toUpper();

    if (input.size() > maximumLength)
        return Invalid;

    if (input.toInt() > wholeNumberLimit(m_rules))
        return Invalid;

    if (std::count_if(input.cbegin(), input.cend(), isAddressLetter) >= 2)
        return Invalid;
    if (m_rules == ProgramRules && std::any_of(input.cbegin(), input.cend(), isForeignLetter))
        return Invalid;

    const QRegularExpressionMatch match = KelvoAddress::pattern().match(input);
    const QStringView numberText
        = match.capturedLength(2) > 0 ? match.capturedView(2) : match.capturedView(3);
    if (numberText.toInt() > maximumAddressNumber)
        return Invalid;

    if (m_rules == ProgramRules && input.size() == maximumLength && input.front().isDigit()
        && input.back().isDigit())
        return Invalid;

    return match.hasMatch() ? Acceptable : Intermediate;
}
