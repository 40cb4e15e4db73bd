#include "settingsinput.h"

#include "configurationtext.h"
#include "configurationxml.h"
#include "legacysettings.h"

#include <QDir>

namespace {

constexpr QLatin1String Indent("  ");

// The adapter signals the maximum time before it redirects: a pair that does
// not leave this gap between them is one the adapter cannot work with.
constexpr int MinimumTimeGap = 2;

} // namespace

std::optional<SettingsInput> SettingsInput::load(
    const QString &fileName, Format format, QString *error)
{
    const std::optional<SettingsFileContents> contents
        = format == Xml ? ConfigurationXml::load(fileName) : LegacySettings::load(fileName);
    if (!contents) {
        *error = tr("Die Datei %1 konnte nicht gelesen werden.")
                     .arg(QDir::toNativeSeparators(fileName));
        return std::nullopt;
    }
    SettingsInput input;
    for (const ConfigurationChange &change : contents->changes)
        input.configuration.apply(change);
    input.problems = contents->problems;
    return input;
}

QStringList SettingsInput::writeObstacles() const
{
    QStringList lines;
    if (!problems.isEmpty()) {
        lines << tr("Diese Werte der Datei kann der VX-Adapter nicht übernehmen:");
        for (const ValueProblem &problem : problems)
            lines << Indent + valueProblemLine(problem);
    }
    if (configuration.maxCallTime - configuration.callRedirectTime < MinimumTimeGap) {
        lines << tr("Die maximale Zeit der Rufsignalisierung (%1) muss um mindestens %2 größer "
                    "sein als die Zeit bis zur Rufweiterschaltung (%3).")
                     .arg(configuration.maxCallTime)
                     .arg(MinimumTimeGap)
                     .arg(configuration.callRedirectTime);
    }
    const std::optional<InputProblem> problem = firstInputProblem(configuration);
    // A value the adapter cannot take is listed above already.
    const bool malformed = problem
        && (problem->rule == InputProblem::MalformedCallNumber
            || problem->rule == InputProblem::MalformedBusAddress);
    if (problem && !(malformed && !problems.isEmpty()))
        lines << describe(*problem);
    return lines;
}

QString SettingsInput::describe(const InputProblem &problem) const
{
    const QString entry = ConfigurationText::entryName(problem.entry);
    switch (problem.rule) {
    case InputProblem::MalformedCallNumber:
        return tr("Die %1 darf nur Ziffern enthalten, höchstens %2.")
            .arg(ConfigurationText::valueName(problem.entry, problem.field))
            .arg(problem.field == ConfigurationField::CallNumber1
                    ? Configuration::CallNumber1Length
                    : Configuration::CallNumber2Length);
    case InputProblem::MalformedBusAddress:
        return tr("Die Kelvo-Adresse von %1 lässt sich mit den DIP-Schaltern nicht einstellen: "
                  "erlaubt sind ein Buchstabe von A bis I und eine Zahl von 1 bis 27, zum "
                  "Beispiel B12.")
            .arg(entry);
    case InputProblem::MissingCallNumber:
    case InputProblem::MissingBusAddress:
        //: "Bei Teilnehmer 4 fehlt die Rufnummer 2."
        return tr("Bei %1 fehlt die %2.").arg(entry, ConfigurationText::fieldName(problem.field));
    case InputProblem::DuplicateBusAddress:
        break;
    }
    // The switches show texts alike that name the same address (12B, B12).
    const QString address = switchName(configuration.entries[problem.entry].busAddress);
    const auto sameAddress = [&](int attendee) {
        const QString text = configuration.entries[attendee].busAddress;
        return !text.isEmpty() && switchName(text) == address;
    };
    int earlier = Configuration::FirstAttendee;
    while (earlier < problem.entry && !sameAddress(earlier))
        ++earlier;
    //: "Teilnehmer 5 hat dieselbe Kelvo-Adresse wie Teilnehmer 2 (B3)."
    return tr("%1 hat dieselbe Kelvo-Adresse wie %2 (%3).")
        .arg(entry, ConfigurationText::entryName(earlier), address);
}
