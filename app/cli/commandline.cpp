#include "commandline.h"

namespace {

const char PasswordVariable[] = "VXCONFIG_PASSWORD";
const QLatin1String German("de");
const QLatin1String English("en");

} // namespace

CommandLine::CommandLine()
    : m_port({ QStringLiteral("p"), QStringLiteral("port") },
        tr("Serielle Schnittstelle des VX-Adapters, z. B. ttyUSB0 oder /dev/ttyUSB0."),
        tr("Schnittstelle"))
    , m_password(QStringLiteral("password"),
          tr("Masterpasswort, vier Ziffern; - liest eine Zeile von der Standardeingabe. Ohne "
             "diese Option gilt die Umgebungsvariable %1.")
              .arg(QLatin1String(PasswordVariable)),
          QStringLiteral("NNNN"))
    , m_noBackup(QStringLiteral("no-backup"),
          tr("write: die Konfiguration des VX-Adapters vorher nicht sichern."))
    , m_noVerify(
          QStringLiteral("no-verify"), tr("write: danach nicht zurücklesen und vergleichen."))
    , m_force(QStringLiteral("force"), tr("read: eine vorhandene Datei ersetzen."))
    , m_quiet({ QStringLiteral("q"), QStringLiteral("quiet") },
          tr("Kein Fortschritt und keine Hinweise, nur Ergebnisse, Warnungen und Fehler."))
    , m_language(QStringLiteral("language"), tr("Sprache der Meldungen: de oder en."),
          QStringLiteral("de|en"), German)
{
    m_parser.setApplicationDescription(
        tr("Konfiguriert einen VX-Adapter ohne Fenster, für Skripte und Serienarbeit.")
        + QLatin1String("\n\n") + tr("Befehle:") + QLatin1Char('\n')
        + tr("  ports                                    serielle Schnittstellen: Name, "
             "Beschreibung, Seriennummer, VID:PID\n"
             "  read   --port P --password NNNN AUS.tml  die Konfiguration des VX-Adapters in "
             "eine neue Datei lesen\n"
             "  write  --port P --password NNNN EIN.tml  die Datei schreiben; vorher sichern, "
             "danach prüfen\n"
             "  verify --port P --password NNNN EIN.tml  den VX-Adapter lesen und mit der "
             "Datei vergleichen\n"
             "  import ALT.cvx AUS.tml                   eine alte Einstellung ins XML-Format "
             "übertragen\n"
             "  sheet  EIN.tml AUS.pdf                   das Anlagenblatt der Datei als PDF")
        + QLatin1String("\n\n")
        + tr("Sicherungen liegen im Datenordner des Benutzers unter vxconfig/backups, wie die "
             "des Programms vxconfig.")
        + QLatin1String("\n\n") + tr("Rückgabewerte:") + QLatin1Char('\n')
        + tr("  0  erledigt\n"
             "  1  der VX-Adapter hält andere Werte als die Datei (verify, Prüfung nach write)\n"
             "  2  falsche Argumente, oder eine Datei lässt sich nicht lesen oder schreiben\n"
             "  3  die Schnittstelle lässt sich nicht öffnen\n"
             "  4  der VX-Adapter hat das Passwort nicht angenommen\n"
             "  5  der VX-Adapter antwortet nicht\n"
             "  6  der VX-Adapter hat die Übertragung abgelehnt\n"
             "  7  teilweise geschrieben: Leitung verloren, VX-Adapter stumm oder unlesbar "
             "mitten im Schreiben\n"
             "  8  der VX-Adapter hat etwas geantwortet, das keine Antwort ist\n"
             "  129, 130, 143  durch SIGHUP, SIGINT oder SIGTERM beendet, nach dem Befehl in "
             "Arbeit und dem Logout"));
    m_parser.addOptions(
        { m_port, m_password, m_noBackup, m_noVerify, m_force, m_quiet, m_language });
    m_parser.addHelpOption();
    m_parser.addVersionOption();
    m_parser.addPositionalArgument(QStringLiteral("command"),
        tr("ports, read, write, verify, import oder sheet"), QStringLiteral("command"));
    m_parser.addPositionalArgument(
        QStringLiteral("files"), tr("die Dateien des Befehls"), QStringLiteral("[files...]"));
}

const CommandLine::Usage *CommandLine::usage(const QString &name)
{
    static const Usage usages[] = {
        { Ports, "ports", 0, false, "ports" },
        { Read, "read", 1, true, QT_TR_NOOP("read --port P --password NNNN AUS.tml") },
        { Write, "write", 1, true, QT_TR_NOOP("write --port P --password NNNN EIN.tml") },
        { Verify, "verify", 1, true, QT_TR_NOOP("verify --port P --password NNNN EIN.tml") },
        { Import, "import", 2, false, QT_TR_NOOP("import ALT.cvx AUS.tml") },
        { Sheet, "sheet", 2, false, QT_TR_NOOP("sheet EIN.tml AUS.pdf") },
    };
    for (const Usage &each : usages) {
        if (name == QLatin1String(each.name))
            return &each;
    }
    return nullptr;
}

CommandLine::Outcome CommandLine::parse(const QStringList &arguments)
{
    m_command = NoCommand;
    m_files.clear();
    m_error.clear();
    const bool parsed = m_parser.parse(arguments);
    if (m_parser.isSet(QStringLiteral("help")))
        return ShowHelp;
    if (m_parser.isSet(QStringLiteral("version")))
        return ShowVersion;
    if (!parsed) {
        m_error = m_parser.errorText();
        return Invalid;
    }
    const QString chosen = language();
    if (chosen != German && chosen != English) {
        m_error = tr("Unbekannte Sprache: %1 (de oder en)").arg(chosen);
        return Invalid;
    }
    QStringList words = m_parser.positionalArguments();
    if (words.isEmpty()) {
        m_error = tr("Kein Befehl angegeben; --help zeigt die Befehle.");
        return Invalid;
    }
    const QString name = words.takeFirst();
    const Usage *found = usage(name);
    if (!found) {
        m_error = tr("Unbekannter Befehl: %1; --help zeigt die Befehle.").arg(name);
        return Invalid;
    }
    // Known before the arguments are checked: it decides which application
    // object runs even a command that is then refused.
    m_command = found->command;
    if (words.size() != found->files || (found->needsAdapter && port().isEmpty())) {
        m_error = tr("Aufruf: %1 %2").arg(QCoreApplication::applicationName(), tr(found->synopsis));
        return Invalid;
    }
    m_files = words;
    return Run;
}

QString CommandLine::password() const
{
    if (m_parser.isSet(m_password))
        return m_parser.value(m_password);
    return qEnvironmentVariable(PasswordVariable);
}

QString CommandLine::language() const
{
    return m_parser.value(m_language);
}
