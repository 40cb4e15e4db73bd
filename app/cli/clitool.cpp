#include "clitool.h"

#include "adapterjob.h"
#include "commandline.h"
#include "configurationxml.h"
#include "console.h"
#include "passwordinput.h"
#include "sitesheet.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QSerialPortInfo>

namespace {

const QLatin1String FromStandardInput("-");
constexpr int HexDigits = 4;
constexpr int Hex = 16;

QString hex(quint16 value)
{
    return QStringLiteral("%1").arg(value, HexDigits, Hex, QLatin1Char('0'));
}

QString shown(const QString &fileName)
{
    return QDir::toNativeSeparators(fileName);
}

} // namespace

CliTool::CliTool(const CommandLine &commandLine, Console &console)
    : m_commandLine(commandLine)
    , m_console(console)
{ }

ExitCode CliTool::run()
{
    switch (m_commandLine.command()) {
    case CommandLine::Ports:
        return listPorts();
    case CommandLine::Read:
        return read();
    case CommandLine::Write:
        return write();
    case CommandLine::Verify:
        return verify();
    case CommandLine::Import:
        return importLegacy();
    case CommandLine::Sheet:
        return writeSheet();
    case CommandLine::NoCommand:
        break;
    }
    return ExitCode::BadInput;
}

ExitCode CliTool::listPorts()
{
    const QList<QSerialPortInfo> ports = QSerialPortInfo::availablePorts();
    if (ports.isEmpty())
        m_console.note(tr("Keine serielle Schnittstelle gefunden."));
    // Tab-separated, one port a line, every column present: cut -f1 gives the names.
    for (const QSerialPortInfo &port : ports) {
        const QString ids = port.hasVendorIdentifier() && port.hasProductIdentifier()
            ? hex(port.vendorIdentifier()) + QLatin1Char(':') + hex(port.productIdentifier())
            : QString();
        m_console.result(
            QStringList { port.portName(), port.description(), port.serialNumber(), ids });
    }
    return ExitCode::Done;
}

ExitCode CliTool::read()
{
    // read takes the same arguments as write: one wrong word must not
    // replace the file prepared for writing.
    const QString fileName = m_commandLine.files().constFirst();
    if (QFileInfo::exists(fileName) && !m_commandLine.isForced()) {
        m_console.error(
            tr("Die Datei %1 gibt es schon; --force ersetzt sie.").arg(shown(fileName)));
        return ExitCode::BadInput;
    }
    // Known before the adapter is asked; a read that fails leaves no file.
    QSaveFile output(fileName);
    QString error;
    if (!ConfigurationXml::open(output, &error))
        return notSaved(fileName, error);
    const std::optional<QString> secret = password();
    if (!secret)
        return ExitCode::BadInput;
    AdapterJob job(m_console);
    const ExitCode code = job.run(AdapterJob::Read, m_commandLine.port(), *secret);
    if (code != ExitCode::Done)
        return code;
    if (!ConfigurationXml::save(output, job.received(), &error))
        return notSaved(fileName, error);
    return saved(fileName);
}

ExitCode CliTool::write()
{
    const std::optional<SettingsInput> file
        = input(m_commandLine.files().constFirst(), SettingsInput::Xml);
    if (!file)
        return ExitCode::BadInput;
    const QStringList obstacles = file->writeObstacles();
    if (!obstacles.isEmpty()) {
        for (const QString &line : obstacles)
            m_console.error(line);
        m_console.error(tr("Es wurde nichts an den VX-Adapter gesendet."));
        return ExitCode::BadInput;
    }
    const std::optional<QString> secret = password();
    if (!secret)
        return ExitCode::BadInput;
    AdapterJob job(m_console);
    job.setBackupEnabled(m_commandLine.isBackupEnabled());
    job.setVerifyEnabled(m_commandLine.isVerifyEnabled());
    job.setInputFile(QFileInfo(m_commandLine.files().constFirst()).absoluteFilePath());
    const ExitCode code
        = job.run(AdapterJob::Write, m_commandLine.port(), *secret, file->configuration);
    if (code != ExitCode::Done)
        return code;
    if (!m_commandLine.isVerifyEnabled()) {
        m_console.note(tr("Die Konfiguration wurde geschrieben."));
        return ExitCode::Done;
    }
    return report(job.differences());
}

ExitCode CliTool::verify()
{
    const std::optional<SettingsInput> file
        = input(m_commandLine.files().constFirst(), SettingsInput::Xml);
    if (!file)
        return ExitCode::BadInput;
    const std::optional<QString> secret = password();
    if (!secret)
        return ExitCode::BadInput;
    AdapterJob job(m_console);
    const ExitCode code = job.run(AdapterJob::Read, m_commandLine.port(), *secret);
    if (code != ExitCode::Done)
        return code;
    return report(configurationDifferences(file->configuration, job.received()));
}

ExitCode CliTool::importLegacy()
{
    const std::optional<SettingsInput> file
        = input(m_commandLine.files().constFirst(), SettingsInput::Legacy);
    if (!file)
        return ExitCode::BadInput;
    const QStringList obstacles = file->writeObstacles();
    if (!obstacles.isEmpty()) {
        m_console.error(tr("Warnung: so kann der VX-Adapter die Einstellung nicht übernehmen:"));
        for (const QString &line : obstacles)
            m_console.error(line);
    }
    return save(file->configuration, m_commandLine.files().constLast());
}

ExitCode CliTool::writeSheet()
{
    const std::optional<SettingsInput> file
        = input(m_commandLine.files().constFirst(), SettingsInput::Xml);
    if (!file)
        return ExitCode::BadInput;
    const QString target = m_commandLine.files().constLast();
    QString error;
    if (!SiteSheet(file->configuration, m_commandLine.files().constFirst())
             .writePdf(target, &error)) {
        m_console.error(
            tr("Die Datei %1 konnte nicht geschrieben werden: %2").arg(shown(target), error));
        return ExitCode::BadInput;
    }
    m_console.note(tr("Gespeichert: %1").arg(shown(target)));
    return ExitCode::Done;
}

std::optional<SettingsInput> CliTool::input(const QString &fileName, SettingsInput::Format format)
{
    QString error;
    std::optional<SettingsInput> file = SettingsInput::load(fileName, format, &error);
    if (!file)
        m_console.error(error);
    return file;
}

std::optional<QString> CliTool::password()
{
    QString text = m_commandLine.password();
    if (text == FromStandardInput)
        text = PasswordInput::readLine(tr("Masterpasswort: "));
    if (!PasswordInput::isValid(text)) {
        m_console.error(text.isEmpty()
                ? tr("Kein Masterpasswort: --password NNNN, --password - für die "
                     "Standardeingabe, oder die Umgebungsvariable VXCONFIG_PASSWORD.")
                : tr("Das Masterpasswort besteht aus vier Ziffern."));
        return std::nullopt;
    }
    return text;
}

ExitCode CliTool::save(const Configuration &configuration, const QString &fileName)
{
    QString error;
    if (!ConfigurationXml::save(fileName, configuration, &error))
        return notSaved(fileName, error);
    return saved(fileName);
}

ExitCode CliTool::saved(const QString &fileName)
{
    m_console.note(tr("Gespeichert: %1").arg(shown(fileName)));
    return ExitCode::Done;
}

ExitCode CliTool::notSaved(const QString &fileName, const QString &error)
{
    m_console.error(
        tr("Die Datei %1 konnte nicht gespeichert werden: %2").arg(shown(fileName), error));
    return ExitCode::BadInput;
}

ExitCode CliTool::report(const QList<ConfigurationDifference> &differences)
{
    for (const ConfigurationDifference &difference : differences)
        m_console.result(differenceLine(difference));
    if (!differences.isEmpty()) {
        m_console.note(tr("Abweichende Werte: %1").arg(differences.size()));
        return ExitCode::Differences;
    }
    m_console.note(tr("Der VX-Adapter hält dieselben Werte wie die Datei."));
    return ExitCode::Done;
}
