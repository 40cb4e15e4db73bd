#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

// The tool's arguments: one command, its files and the options. Usable
// before the application object exists (texts then stay untranslated), so
// that the command can choose which application object to create.
class CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    enum Command { NoCommand, Ports, Read, Write, Verify, Import, Sheet };
    enum Outcome { Run, ShowHelp, ShowVersion, Invalid };

    CommandLine();

    // arguments start with the program's name.
    Outcome parse(const QStringList &arguments);
    // Why parse() found the arguments invalid.
    QString errorText() const { return m_error; }
    QString helpText() const { return m_parser.helpText(); }

    Command command() const { return m_command; }
    QStringList files() const { return m_files; }
    QString port() const { return m_parser.value(m_port); }
    // The option's value (possibly "-": standard input), else the
    // environment's; empty when neither gives one.
    QString password() const;
    bool isQuiet() const { return m_parser.isSet(m_quiet); }
    bool isBackupEnabled() const { return !m_parser.isSet(m_noBackup); }
    bool isVerifyEnabled() const { return !m_parser.isSet(m_noVerify); }
    // Whether read may replace an existing file.
    bool isForced() const { return m_parser.isSet(m_force); }
    // "de" unless --language names another.
    QString language() const;

private:
    struct Usage
    {
        Command command;
        const char *name;
        int files;
        bool needsAdapter;
        const char *synopsis;
    };
    static const Usage *usage(const QString &name);

    QCommandLineParser m_parser;
    QCommandLineOption m_port;
    QCommandLineOption m_password;
    QCommandLineOption m_noBackup;
    QCommandLineOption m_noVerify;
    QCommandLineOption m_force;
    QCommandLineOption m_quiet;
    QCommandLineOption m_language;
    Command m_command = NoCommand;
    QStringList m_files;
    QString m_error;
};
