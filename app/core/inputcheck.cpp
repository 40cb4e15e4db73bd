#include "inputcheck.h"

#include "configurationtext.h"
#include "kelvoaddress.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

using Field = ConfigurationField;

std::optional<InputProblem> malformed(int entry, const ConfigurationEntry &values, bool attendee)
{
    if (!isCallNumber(Field::CallNumber1, values.callNumber1))
        return InputProblem { entry, Field::CallNumber1, InputProblem::MalformedCallNumber };
    if (!isCallNumber(Field::CallNumber2, values.callNumber2))
        return InputProblem { entry, Field::CallNumber2, InputProblem::MalformedCallNumber };
    if (attendee && !isBusAddress(values.busAddress))
        return InputProblem { entry, Field::BusAddress, InputProblem::MalformedBusAddress };
    return std::nullopt;
}

std::optional<InputProblem> incomplete(int entry, const ConfigurationEntry &values)
{
    const bool address = !values.busAddress.isEmpty();
    const bool number1 = !values.callNumber1.isEmpty();
    const bool number2 = !values.callNumber2.isEmpty();
    const bool features = values.statusByte & StatusBit::ExtendedFeatures;
    const bool secondFirst = values.statusByte & StatusBit::SecondNumberFirst;
    const bool redirect = values.statusByte & StatusBit::CallRedirect;

    if (!number1 && address && !(features && secondFirst))
        return InputProblem { entry, Field::CallNumber1, InputProblem::MissingCallNumber };
    if (!number2 && features && (secondFirst || redirect))
        return InputProblem { entry, Field::CallNumber2, InputProblem::MissingCallNumber };
    if (number2 && !number1 && features && redirect)
        return InputProblem { entry, Field::CallNumber1, InputProblem::MissingCallNumber };
    if (!address && (number1 || number2))
        return InputProblem { entry, Field::BusAddress, InputProblem::MissingBusAddress };
    return std::nullopt;
}

} // namespace

bool InputProblem::operator==(const InputProblem &other) const
{
    return entry == other.entry && field == other.field && rule == other.rule;
}

std::optional<InputProblem> firstInputProblem(const Configuration &configuration)
{
    if (!callTimesFit(configuration))
        return InputProblem { Configuration::Master, Field::MaxCallTime,
            InputProblem::CallTimeOrder };
    const ConfigurationEntry &master = configuration.entries[Configuration::Master];
    if (const auto problem = malformed(Configuration::Master, master, false))
        return problem;

    QStringList taken;
    for (int n = Configuration::FirstAttendee; n <= Configuration::LastAttendee; ++n) {
        const ConfigurationEntry &attendee = configuration.entries[n];
        if (const auto problem = malformed(n, attendee, true))
            return problem;
        if (const auto problem = incomplete(n, attendee))
            return problem;
        if (attendee.busAddress.isEmpty())
            continue;
        const QString name = switchName(attendee.busAddress);
        if (taken.contains(name))
            return InputProblem { n, Field::BusAddress, InputProblem::DuplicateBusAddress };
        taken << name;
    }
    return std::nullopt;
}

bool isCallNumber(ConfigurationField field, const QString &text)
{
    const int length = field == Field::CallNumber1 ? Configuration::CallNumber1Length
                                                   : Configuration::CallNumber2Length;
    // Only ASCII digits have a code on the wire; QChar::isDigit() also takes
    // other scripts' digits.
    return text.size() <= length
        && std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

bool callTimesFit(const Configuration &configuration)
{
    return configuration.maxCallTime - configuration.callRedirectTime >= MinimumCallTimeGap;
}

bool isBusAddress(const QString &text)
{
    return text.isEmpty() || KelvoAddress::fitsSwitches(text);
}

QString switchName(const QString &text)
{
    return KelvoAddress::convertPosition(KelvoAddress::convertName(text));
}

bool ValueProblem::operator==(const ValueProblem &other) const
{
    return entry == other.entry && field == other.field && text == other.text;
}

QString inputProblemText(const Configuration &configuration, const InputProblem &problem)
{
    const QString entry = ConfigurationText::entryName(problem.entry);
    switch (problem.rule) {
    case InputProblem::MalformedCallNumber:
        return QCoreApplication::translate(
            "InputProblem", "Die %1 darf nur Ziffern enthalten, höchstens %2.")
            .arg(ConfigurationText::valueName(problem.entry, problem.field))
            .arg(problem.field == Field::CallNumber1 ? Configuration::CallNumber1Length
                                                     : Configuration::CallNumber2Length);
    case InputProblem::MalformedBusAddress:
        return QCoreApplication::translate("InputProblem",
            "Die Kelvo-Adresse von %1 lässt sich mit den DIP-Schaltern nicht einstellen: "
            "erlaubt sind ein Buchstabe von A bis I und eine Zahl von 1 bis 27, zum "
            "Beispiel B12.")
            .arg(entry);
    case InputProblem::MissingCallNumber:
    case InputProblem::MissingBusAddress:
        //: "Bei Teilnehmer 4 fehlt die Rufnummer 2."
        return QCoreApplication::translate("InputProblem", "Bei %1 fehlt die %2.")
            .arg(entry, ConfigurationText::fieldName(problem.field));
    case InputProblem::CallTimeOrder:
        return QCoreApplication::translate("InputProblem",
            "Die maximale Zeit der Rufsignalisierung (%1) muss um mindestens %2 größer sein "
            "als die Zeit bis zur Rufweiterschaltung (%3).")
            .arg(configuration.maxCallTime)
            .arg(MinimumCallTimeGap)
            .arg(configuration.callRedirectTime);
    case InputProblem::DuplicateBusAddress:
        break;
    }
    const QString address = switchName(configuration.entries[problem.entry].busAddress);
    const auto sameAddress = [&](int attendee) {
        const QString &text = configuration.entries[attendee].busAddress;
        return !text.isEmpty() && switchName(text) == address;
    };
    int earlier = Configuration::FirstAttendee;
    while (earlier < problem.entry && !sameAddress(earlier))
        ++earlier;
    //: "Teilnehmer 5 hat dieselbe Kelvo-Adresse wie Teilnehmer 2 (B3)."
    return QCoreApplication::translate("InputProblem", "%1 hat dieselbe Kelvo-Adresse wie %2 (%3).")
        .arg(entry, ConfigurationText::entryName(earlier), address);
}

QString valueProblemLine(const ValueProblem &problem)
{
    //: "Teilnehmer 4, Rufnummer 1: 12a4"
    return QCoreApplication::translate("ConfigurationText", "%1: %2")
        .arg(ConfigurationText::listedName(problem.entry, problem.field),
            ConfigurationText::quoted(problem.text));
}

QStringList valueProblemLines(const QList<ValueProblem> &problems)
{
    QStringList lines;
    for (const ValueProblem &problem : problems)
        lines << valueProblemLine(problem);
    return ConfigurationText::limited(lines);
}
