#include "settingsinput.h"

#include "configurationtext.h"
#include "configurationxml.h"
#include "legacysettings.h"

#include <QDir>

namespace {

constexpr QLatin1String Indent("  ");

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
    const std::optional<InputProblem> problem = firstInputProblem(configuration);
    // A value the adapter cannot take is listed above already.
    const bool malformed = problem
        && (problem->rule == InputProblem::MalformedCallNumber
            || problem->rule == InputProblem::MalformedBusAddress);
    if (problem && !(malformed && !problems.isEmpty()))
        lines << inputProblemText(configuration, *problem);
    return lines;
}
