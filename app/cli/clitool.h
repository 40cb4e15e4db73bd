#pragma once

#include "configuration.h"
#include "configurationdiff.h"
#include "exitcode.h"
#include "settingsinput.h"

#include <QCoreApplication>
#include <QString>

#include <optional>

class CommandLine;
class Console;

// Runs the command that the command line names, start to end.
class CliTool
{
    Q_DECLARE_TR_FUNCTIONS(CliTool)

public:
    CliTool(const CommandLine &commandLine, Console &console);

    ExitCode run();

private:
    ExitCode listPorts();
    ExitCode read();
    ExitCode write();
    ExitCode verify();
    ExitCode importLegacy();
    ExitCode writeSheet();

    std::optional<SettingsInput> input(const QString &fileName, SettingsInput::Format format);
    std::optional<QString> password();
    ExitCode save(const Configuration &configuration, const QString &fileName);
    ExitCode saved(const QString &fileName);
    ExitCode notSaved(const QString &fileName, const QString &error);
    // The differences on standard output, one a line.
    ExitCode report(const QList<ConfigurationDifference> &differences);

    const CommandLine &m_commandLine;
    Console &m_console;
};
