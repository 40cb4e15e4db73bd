<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="de_DE">
<context>
    <name>AdapterJob</name>
    <message>
        <source>Der VX-Adapter hat das Passwort nicht angenommen.</source>
        <translation>The VX-Adapter did not accept the password.</translation>
    </message>
    <message>
        <source>Die serielle Schnittstelle %1 ist ausgefallen: %2</source>
        <translation>The serial port %1 failed: %2</translation>
    </message>
    <message>
        <source>Ohne Sicherung wird nicht geschrieben; mit --no-backup wird ohne Sicherung geschrieben.</source>
        <translation>Nothing is written without a backup; with --no-backup it is written without one.</translation>
    </message>
    <message>
        <source>Die serielle Schnittstelle %1 konnte nicht geöffnet werden.</source>
        <translation>The serial port %1 could not be opened.</translation>
    </message>
    <message>
        <source>Sicherung</source>
        <translation>Backup</translation>
    </message>
    <message>
        <source>Schreiben</source>
        <translation>Writing</translation>
    </message>
    <message>
        <source>Prüfung</source>
        <translation>Verification</translation>
    </message>
    <message>
        <source>Lesen</source>
        <translation>Reading</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>&quot;Sicherung: Rufnummer 1 von Master&quot;</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Sicherung gespeichert: %1</source>
        <translation>Backup saved: %1</translation>
    </message>
    <message>
        <source>Die Sicherung konnte nicht gespeichert werden: %1</source>
        <translation>The backup could not be saved: %1</translation>
    </message>
    <message>
        <source>Abgebrochen.</source>
        <translation>Stopped.</translation>
    </message>
    <message>
        <source>Abbruch: der Befehl, der gerade läuft, wird noch beendet.</source>
        <translation>Stopping: the command under way is finished first.</translation>
    </message>
    <message>
        <source>In den VX-Adapter wurde nichts geschrieben.</source>
        <translation>Nothing was written to the VX-Adapter.</translation>
    </message>
    <message>
        <source>Die Konfiguration wurde ganz geschrieben und geprüft.</source>
        <translation>The configuration was written in full and verified.</translation>
    </message>
    <message>
        <source>Die Konfiguration wurde ganz geschrieben, aber nicht geprüft.</source>
        <translation>The configuration was written in full, but not verified.</translation>
    </message>
    <message>
        <source>Die Leitung sendet jedes Zeichen zurück; das Echo wird übergangen.</source>
        <translation>The line sends every character back; the echo is skipped.</translation>
    </message>
</context>
<context>
    <name>AttendeeWidget</name>
    <message>
        <source>AttendeeItem</source>
        <translation>AttendeeItem</translation>
    </message>
    <message>
        <source>Teilnehmer X</source>
        <translation>Attendee X</translation>
    </message>
    <message>
        <source>Rufnummer 1</source>
        <translation>Call number 1</translation>
    </message>
    <message>
        <source>Kelvo-Rufadresse</source>
        <translation>Bus address</translation>
    </message>
    <message>
        <source>Erweiterte Funktionen
(Teilnehmer Passwort) Freischalten</source>
        <translation>Enable extended functions
(attendee password)</translation>
    </message>
    <message>
        <source>Rufnummer 2</source>
        <translation>Call number 2</translation>
    </message>
    <message>
        <source>Rufsignalisierung AUS</source>
        <translation>Call signalling OFF</translation>
    </message>
    <message>
        <source>Rufnummer 2 vor Rufnummer 1 wählen</source>
        <translation>Dial call number 2 before call number 1</translation>
    </message>
    <message>
        <source>Auf Master umleiten</source>
        <translation>Redirect to master</translation>
    </message>
    <message>
        <source>Rufweiterschaltung</source>
        <translation>Call forwarding</translation>
    </message>
    <message>
        <source>Teilnehmer %1</source>
        <translation>Attendee %1</translation>
    </message>
    <message>
        <source>DIP-Schalter</source>
        <translation>DIP switches</translation>
    </message>
</context>
<context>
    <name>BackupDialog</name>
    <message>
        <source>Sicherung wiederherstellen</source>
        <translation>Restore backup</translation>
    </message>
    <message>
        <source>Es gibt noch keine Sicherung.</source>
        <translation>There is no backup yet.</translation>
    </message>
    <message>
        <source>Vor jedem Schreiben und Zurücksetzen wird gesichert, was der VX-Adapter enthielt. Die neueste Sicherung steht oben:</source>
        <translation>Before every write and every reset, what the VX-Adapter held is backed up. The newest backup is at the top:</translation>
    </message>
    <message>
        <source>Gesichert am</source>
        <translation>Backed up on</translation>
    </message>
    <message>
        <source>Schnittstelle</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Datei auf dem Bildschirm</source>
        <translation>File on screen</translation>
    </message>
    <message>
        <source>dd.MM.yyyy HH:mm:ss</source>
        <translation>yyyy-MM-dd HH:mm:ss</translation>
    </message>
    <message>
        <source>unbenannt</source>
        <translation>untitled</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>Andere Datei…</source>
        <translation>Other &amp;file…</translation>
    </message>
    <message>
        <source>Vx-Configuration (*.tml)</source>
        <translation>Vx-Configuration (*.tml)</translation>
    </message>
</context>
<context>
    <name>CliTool</name>
    <message>
        <source>Keine serielle Schnittstelle gefunden.</source>
        <translation>No serial port found.</translation>
    </message>
    <message>
        <source>Es wurde nichts an den VX-Adapter gesendet.</source>
        <translation>Nothing was sent to the VX-Adapter.</translation>
    </message>
    <message>
        <source>Die Konfiguration wurde geschrieben.</source>
        <translation>The configuration was written.</translation>
    </message>
    <message>
        <source>Warnung: so kann der VX-Adapter die Einstellung nicht übernehmen:</source>
        <translation>Warning: the VX-Adapter cannot take the settings as they are:</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht geschrieben werden: %2</source>
        <translation>The file %1 could not be written: %2</translation>
    </message>
    <message>
        <source>Gespeichert: %1</source>
        <translation>Saved: %1</translation>
    </message>
    <message>
        <source>Masterpasswort: </source>
        <translation>Master password: </translation>
    </message>
    <message>
        <source>Kein Masterpasswort: --password NNNN, --password - für die Standardeingabe, oder die Umgebungsvariable VXCONFIG_PASSWORD.</source>
        <translation>No master password: --password NNNN, --password - for standard input, or the environment variable VXCONFIG_PASSWORD.</translation>
    </message>
    <message>
        <source>Das Masterpasswort besteht aus vier Ziffern.</source>
        <translation>The master password consists of four digits.</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht gespeichert werden: %2</source>
        <translation>The file %1 could not be saved: %2</translation>
    </message>
    <message>
        <source>Abweichende Werte: %1</source>
        <translation>Values that differ: %1</translation>
    </message>
    <message>
        <source>Der VX-Adapter hält dieselben Werte wie die Datei.</source>
        <translation>The VX-Adapter holds the same values as the file.</translation>
    </message>
    <message>
        <source>Die Datei %1 gibt es schon; --force ersetzt sie.</source>
        <translation>The file %1 exists already; --force replaces it.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Serielle Schnittstelle des VX-Adapters, z. B. ttyUSB0 oder /dev/ttyUSB0.</source>
        <translation>Serial port of the VX-Adapter, e.g. ttyUSB0 or /dev/ttyUSB0.</translation>
    </message>
    <message>
        <source>Schnittstelle</source>
        <translation>port</translation>
    </message>
    <message>
        <source>Masterpasswort, vier Ziffern; - liest eine Zeile von der Standardeingabe. Ohne diese Option gilt die Umgebungsvariable %1.</source>
        <translation>Master password, four digits; - reads one line from standard input. Without this option the environment variable %1 is used.</translation>
    </message>
    <message>
        <source>write: die Konfiguration des VX-Adapters vorher nicht sichern.</source>
        <translation>write: do not back up the VX-Adapter&apos;s configuration first.</translation>
    </message>
    <message>
        <source>write: danach nicht zurücklesen und vergleichen.</source>
        <translation>write: do not read back and compare afterwards.</translation>
    </message>
    <message>
        <source>Kein Fortschritt und keine Hinweise, nur Ergebnisse, Warnungen und Fehler.</source>
        <translation>No progress and no notes, only results, warnings and errors.</translation>
    </message>
    <message>
        <source>Sprache der Meldungen: de oder en.</source>
        <translation>Language of the messages: de or en.</translation>
    </message>
    <message>
        <source>Konfiguriert einen VX-Adapter ohne Fenster, für Skripte und Serienarbeit.</source>
        <translation>Configures a VX-Adapter without a window, for scripts and batch work.</translation>
    </message>
    <message>
        <source>Befehle:</source>
        <translation>Commands:</translation>
    </message>
    <message>
        <source>Sicherungen liegen im Datenordner des Benutzers unter vxconfig/backups, wie die des Programms vxconfig.</source>
        <translation>Backups are kept in the user&apos;s data folder under vxconfig/backups, beside those of the program vxconfig.</translation>
    </message>
    <message>
        <source>Rückgabewerte:</source>
        <translation>Exit codes:</translation>
    </message>
    <message>
        <source>ports, read, write, verify, import oder sheet</source>
        <translation>ports, read, write, verify, import or sheet</translation>
    </message>
    <message>
        <source>die Dateien des Befehls</source>
        <translation>the command&apos;s files</translation>
    </message>
    <message>
        <source>read --port P --password NNNN AUS.tml</source>
        <translation>read --port P --password NNNN OUT.tml</translation>
    </message>
    <message>
        <source>write --port P --password NNNN EIN.tml</source>
        <translation>write --port P --password NNNN IN.tml</translation>
    </message>
    <message>
        <source>verify --port P --password NNNN EIN.tml</source>
        <translation>verify --port P --password NNNN IN.tml</translation>
    </message>
    <message>
        <source>import ALT.cvx AUS.tml</source>
        <translation>import OLD.cvx OUT.tml</translation>
    </message>
    <message>
        <source>sheet EIN.tml AUS.pdf</source>
        <translation>sheet IN.tml OUT.pdf</translation>
    </message>
    <message>
        <source>Unbekannte Sprache: %1 (de oder en)</source>
        <translation>Unknown language: %1 (de or en)</translation>
    </message>
    <message>
        <source>Kein Befehl angegeben; --help zeigt die Befehle.</source>
        <translation>No command given; --help shows the commands.</translation>
    </message>
    <message>
        <source>Unbekannter Befehl: %1; --help zeigt die Befehle.</source>
        <translation>Unknown command: %1; --help shows the commands.</translation>
    </message>
    <message>
        <source>Aufruf: %1 %2</source>
        <translation>Usage: %1 %2</translation>
    </message>
    <message>
        <source>  0  erledigt
  1  der VX-Adapter hält andere Werte als die Datei (verify, Prüfung nach write)
  2  falsche Argumente, oder eine Datei lässt sich nicht lesen oder schreiben
  3  die Schnittstelle lässt sich nicht öffnen
  4  der VX-Adapter hat das Passwort nicht angenommen
  5  der VX-Adapter antwortet nicht
  6  der VX-Adapter hat die Übertragung abgelehnt
  7  teilweise geschrieben: Leitung verloren, VX-Adapter stumm oder unlesbar mitten im Schreiben
  8  der VX-Adapter hat etwas geantwortet, das keine Antwort ist
  129, 130, 143  durch SIGHUP, SIGINT oder SIGTERM beendet, nach dem Befehl in Arbeit und dem Logout</source>
        <translation>  0  done
  1  the VX-Adapter holds other values than the file (verify, verification after write)
  2  bad arguments, or a file cannot be read or written
  3  the port cannot be opened
  4  the VX-Adapter did not accept the password
  5  the VX-Adapter does not answer
  6  the VX-Adapter refused the transfer
  7  partly written: line lost, VX-Adapter silent or unreadable in the middle of a write
  8  the VX-Adapter answered with something that is no answer
  129, 130, 143  stopped by SIGHUP, SIGINT or SIGTERM, after the command under way and the logout</translation>
    </message>
    <message>
        <source>read: eine vorhandene Datei ersetzen.</source>
        <translation>read: replace an existing file.</translation>
    </message>
    <message>
        <source>  ports                                    serielle Schnittstellen: Name, Beschreibung, Seriennummer, VID:PID
  read   --port P --password NNNN AUS.tml  die Konfiguration des VX-Adapters in eine neue Datei lesen
  write  --port P --password NNNN EIN.tml  die Datei schreiben; vorher sichern, danach prüfen
  verify --port P --password NNNN EIN.tml  den VX-Adapter lesen und mit der Datei vergleichen
  import ALT.cvx AUS.tml                   eine alte Einstellung ins XML-Format übertragen
  sheet  EIN.tml AUS.pdf                   das Anlagenblatt der Datei als PDF</source>
        <translation>  ports                                    serial ports: name, description, serial number, VID:PID
  read   --port P --password NNNN OUT.tml  read the VX-Adapter&apos;s configuration into a new file
  write  --port P --password NNNN IN.tml   write the file; back up before, verify after
  verify --port P --password NNNN IN.tml   read the VX-Adapter and compare it with the file
  import OLD.cvx OUT.tml                   convert an older settings file to the XML format
  sheet  IN.tml OUT.pdf                    the site sheet of the file as PDF</translation>
    </message>
</context>
<context>
    <name>ConfigurationDocument</name>
    <message>
        <source>Adapter: wie Bildschirm</source>
        <translation>Adapter: as on screen</translation>
    </message>
    <message>
        <source>Adapter: abweichend</source>
        <translation>Adapter: differs</translation>
    </message>
    <message>
        <source>Adapter: teilweise geschrieben</source>
        <translation>Adapter: partly written</translation>
    </message>
    <message>
        <source>Adapter: unbekannt</source>
        <translation>Adapter: unknown</translation>
    </message>
    <message>
        <source>%1 ändern</source>
        <extracomment>Undo step, &quot;Rufnummer 2 von Teilnehmer 4 ändern&quot;</extracomment>
        <translation>Change %1</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <extracomment>Undo step</extracomment>
        <translation>Open</translation>
    </message>
    <message>
        <source>Importieren</source>
        <extracomment>Undo step</extracomment>
        <translation>Import</translation>
    </message>
    <message>
        <source>Sicherung wiederherstellen</source>
        <extracomment>Undo step</extracomment>
        <translation>Restore backup</translation>
    </message>
    <message>
        <source>Lesen</source>
        <extracomment>Undo step</extracomment>
        <translation>Read</translation>
    </message>
    <message>
        <source>Zurücksetzen</source>
        <extracomment>Undo step</extracomment>
        <translation>Reset</translation>
    </message>
</context>
<context>
    <name>ConfigurationText</name>
    <message>
        <source>Master</source>
        <translation>Master</translation>
    </message>
    <message>
        <source>Teilnehmer %1</source>
        <translation>Attendee %1</translation>
    </message>
    <message>
        <source>Maximale Zeit der Rufsignalisierung</source>
        <translation>Maximum call signalling time</translation>
    </message>
    <message>
        <source>Zeit bis zur Rufweiterschaltung</source>
        <translation>Time until call forwarding</translation>
    </message>
    <message>
        <source>Rufnummer 1</source>
        <translation>Call number 1</translation>
    </message>
    <message>
        <source>Rufnummer 2</source>
        <translation>Call number 2</translation>
    </message>
    <message>
        <source>Optionen</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Kelvo-Adresse</source>
        <translation>Bus address</translation>
    </message>
    <message>
        <source>%1 von %2</source>
        <extracomment>&quot;Rufnummer 2 von Teilnehmer 4&quot;</extracomment>
        <translation>%1 of %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>&quot;Teilnehmer 4, Rufnummer 2&quot;</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>(leer)</source>
        <translation>(empty)</translation>
    </message>
    <message numerus="yes">
        <source>… und %n weitere</source>
        <translation>
            <numerusform>… and %n more</numerusform>
            <numerusform>… and %n more</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: geschrieben %2, gelesen %3</source>
        <extracomment>&quot;Teilnehmer 4, Rufnummer 2: geschrieben 0301234, gelesen 0301243&quot;</extracomment>
        <translation>%1: written %2, read %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>&quot;Teilnehmer 4, Rufnummer 1: 12a4&quot;</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: %2 → %3</source>
        <extracomment>&quot;Teilnehmer 4, Rufnummer 2: 0301243 → 0301234&quot;, from the adapter&apos;s value to the screen&apos;s</extracomment>
        <translation>%1: %2 → %3</translation>
    </message>
    <message>
        <source>Erweiterte Funktionen (Teilnehmer Passwort) Freischalten</source>
        <translation>Enable extended functions (attendee password)</translation>
    </message>
    <message>
        <source>Rufsignalisierung AUS</source>
        <translation>Call signalling OFF</translation>
    </message>
    <message>
        <source>Rufnummer 2 vor Rufnummer 1 wählen</source>
        <translation>Dial call number 2 before call number 1</translation>
    </message>
    <message>
        <source>Alle Teilnehmer auf Master umleiten</source>
        <translation>Redirect all attendees to master</translation>
    </message>
    <message>
        <source>Auf Master umleiten</source>
        <translation>Redirect to master</translation>
    </message>
    <message>
        <source>Rufweiterschaltung</source>
        <translation>Call forwarding</translation>
    </message>
    <message>
        <source>Wahl ohne warten</source>
        <translation>Dial without waiting</translation>
    </message>
    <message>
        <source>ein</source>
        <translation>on</translation>
    </message>
    <message>
        <source>aus</source>
        <translation>off</translation>
    </message>
</context>
<context>
    <name>ConfigurationXml</name>
    <message>
        <source>Das Ziel ist keine gewöhnliche Datei.</source>
        <translation>The target is not a regular file.</translation>
    </message>
</context>
<context>
    <name>DiagnosticWidget</name>
    <message>
        <source>VX-Adapter Diagnose</source>
        <translation>VX-Adapter diagnostics</translation>
    </message>
    <message>
        <source>Verlauf löschen</source>
        <translation>&amp;Clear history</translation>
    </message>
</context>
<context>
    <name>EntryPanel</name>
    <message>
        <source>Optionen</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Bis zu %1 Ziffern</source>
        <translation>Up to %1 digits</translation>
    </message>
    <message>
        <source>Optionen: %1</source>
        <translation>Options: %1</translation>
    </message>
    <message>
        <source>keine</source>
        <extracomment>The summary of an entry&apos;s options when none is ticked</extracomment>
        <translation>none</translation>
    </message>
    <message numerus="yes">
        <source>%n Optionen</source>
        <translation>
            <numerusform>%n option</numerusform>
            <numerusform>%n options</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>InputProblem</name>
    <message>
        <source>Die %1 darf nur Ziffern enthalten, höchstens %2.</source>
        <translation>The %1 may contain digits only, at most %2.</translation>
    </message>
    <message>
        <source>Die Kelvo-Adresse von %1 lässt sich mit den DIP-Schaltern nicht einstellen: erlaubt sind ein Buchstabe von A bis I und eine Zahl von 1 bis 27, zum Beispiel B12.</source>
        <translation>The bus address of %1 cannot be set with the DIP switches: allowed are a letter from A to I and a number from 1 to 27, for example B12.</translation>
    </message>
    <message>
        <source>Bei %1 fehlt die %2.</source>
        <extracomment>&quot;Bei Teilnehmer 4 fehlt die Rufnummer 2.&quot;</extracomment>
        <translation>%1 has no %2.</translation>
    </message>
    <message>
        <source>%1 hat dieselbe Kelvo-Adresse wie %2 (%3).</source>
        <extracomment>&quot;Teilnehmer 5 hat dieselbe Kelvo-Adresse wie Teilnehmer 2 (B3).&quot;</extracomment>
        <translation>%1 has the same bus address as %2 (%3).</translation>
    </message>
    <message>
        <source>Die maximale Zeit der Rufsignalisierung (%1) muss um mindestens %2 größer sein als die Zeit bis zur Rufweiterschaltung (%3).</source>
        <translation>The maximum call signalling time (%1) must be at least %2 above the time until call forwarding (%3).</translation>
    </message>
</context>
<context>
    <name>KelvoAddressLabel</name>
    <message>
        <source>oben</source>
        <translation>up</translation>
    </message>
    <message>
        <source>Mitte</source>
        <translation>middle</translation>
    </message>
    <message>
        <source>unten</source>
        <translation>down</translation>
    </message>
    <message>
        <source>%1: nicht mit den Schaltern einstellbar</source>
        <translation>%1: cannot be set with the switches</translation>
    </message>
    <message>
        <source>%1: Schalter %2</source>
        <extracomment>&quot;C12: Schalter 1 unten, 2 oben, 3 Mitte, 4 oben, 5 Mitte&quot;</extracomment>
        <translation>%1: switches %2</translation>
    </message>
    <message>
        <source>DIP-Schalter</source>
        <translation>DIP switches</translation>
    </message>
    <message>
        <source>Schalter %1 gewählt. %2</source>
        <extracomment>&quot;Schalter 2 gewählt. C12: Schalter 1 unten, 2 oben, ...&quot;</extracomment>
        <translation>Switch %1 selected. %2</translation>
    </message>
</context>
<context>
    <name>LoginSession</name>
    <message>
        <source>Login</source>
        <translation>Login</translation>
    </message>
    <message>
        <source>Logout</source>
        <translation>Logout</translation>
    </message>
    <message>
        <source>Neues Masterpasswort</source>
        <translation>New master password</translation>
    </message>
    <message>
        <source>Zurücksetzen des VX-Adapters</source>
        <translation>Reset of the VX-Adapter</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>VX-Adapter Software</source>
        <translation>VX-Adapter Software</translation>
    </message>
    <message>
        <source>Einstellungen öffnen...</source>
        <translation>&amp;Open settings...</translation>
    </message>
    <message>
        <source>Einstellungen speichern...</source>
        <translation>&amp;Save settings...</translation>
    </message>
    <message>
        <source>Alte Einstellung importieren...</source>
        <translation>&amp;Import old settings...</translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>Masterpasswort ändern...</source>
        <translation>Change master &amp;password...</translation>
    </message>
    <message>
        <source>Zurücksetzen...</source>
        <translation>&amp;Reset...</translation>
    </message>
    <message>
        <source>Deutsch</source>
        <translation>&amp;German</translation>
    </message>
    <message>
        <source>Englisch</source>
        <translation>&amp;English</translation>
    </message>
    <message>
        <source>Masterpasswort</source>
        <translation>Master password</translation>
    </message>
    <message>
        <source>Ausgeloggt</source>
        <translation>Logged out</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Login</translation>
    </message>
    <message>
        <source>Schnittstelle</source>
        <translation>&amp;Port</translation>
    </message>
    <message>
        <source>Maximale Zeit der Rufsignalisierung</source>
        <translation>Maximum call &amp;signalling time</translation>
    </message>
    <message>
        <source>Zeit bis zur Rufweiterschaltung</source>
        <translation>&amp;Time until call forwarding</translation>
    </message>
    <message>
        <source>Wahl ohne warten</source>
        <translation>&amp;Dial without waiting</translation>
    </message>
    <message>
        <source>Lesen</source>
        <translation>&amp;Read</translation>
    </message>
    <message>
        <source>Schreiben</source>
        <translation>&amp;Write</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>VX-Adapter</source>
        <translation>&amp;VX-Adapter</translation>
    </message>
    <message>
        <source>Sprache</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>Bei einem Teilnehmer wurde keine Kelvo-Adresse eingetragen.</source>
        <translation>No bus address was entered for an attendee.</translation>
    </message>
    <message>
        <source>Es wurde an verschiedene Teilnehmer die gleiche Kelvo-Adresse vergeben.</source>
        <translation>The same bus address was given to different attendees.</translation>
    </message>
    <message>
        <source>Bei einem Teilnehmer wurde keine Rufnummer eingetragen.</source>
        <translation>No call number was entered for an attendee.</translation>
    </message>
    <message>
        <source>Die Maximale Rufsignalisierung muss größer als die Rufweiterschaltung sein.</source>
        <translation>The maximum call signalling time must be greater than the time until call forwarding.</translation>
    </message>
    <message>
        <source>Sie müssen sich einloggen um den VX-Adapter zu konfigurieren.</source>
        <translation>You must log in to configure the VX-Adapter.</translation>
    </message>
    <message>
        <source>Kein Passwort oder zu kurzes Passwort eingegeben.</source>
        <translation>No password or password too short.</translation>
    </message>
    <message>
        <source>Die serielle Schnittstelle COMx
konnte nicht geöffnet werden.</source>
        <translation>The serial port COMx
could not be opened.</translation>
    </message>
    <message>
        <source>Die serielle Schnittstelle
konnte nicht geschlossen werden.</source>
        <translation>The serial port
could not be closed.</translation>
    </message>
    <message>
        <source>Die zu importierenden Daten konnten nicht gelesen werden.</source>
        <translation>The data to be imported could not be read.</translation>
    </message>
    <message>
        <source>Das Masterpasswort wurde erfolgreich geändert.</source>
        <translation>The master password was changed successfully.</translation>
    </message>
    <message>
        <source>Beim ändern des Masterpassworts trat ein Fehler auf.</source>
        <translation>An error occurred while changing the master password.</translation>
    </message>
    <message>
        <source>Beim Einloggen trat ein Fehler auf.
Überprüfen Sie das Passwort und versuchen Sie es erneut.</source>
        <translation>An error occurred while logging in.
Check the password and try again.</translation>
    </message>
    <message>
        <source>Es wurden falsche Daten übertragen oder die Verbindung gestört.</source>
        <translation>Wrong data was transferred or the connection was disturbed.</translation>
    </message>
    <message>
        <source>Wollen Sie alle im Gerät gespeicherten Daten löschen?</source>
        <translation>Do you want to delete all data stored in the device?</translation>
    </message>
    <message>
        <source>Konfiguration</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Serielle Schnittstelle</source>
        <translation>Serial port</translation>
    </message>
    <message>
        <source>Die Verbindung über die serielle Schnittstelle %1
wurde unterbrochen (%2).</source>
        <translation>The connection over the serial port %1
was interrupted (%2).</translation>
    </message>
    <message>
        <source>Eingeloggt</source>
        <translation>Logged in</translation>
    </message>
    <message>
        <source>Passwort</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Einloggen</source>
        <translation>Log in</translation>
    </message>
    <message>
        <source>VX-Adapter zurücksetzen</source>
        <translation>Reset VX-Adapter</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Master</translation>
    </message>
    <message>
        <source>Teilnehmer %1</source>
        <translation>Attendee %1</translation>
    </message>
    <message>
        <source>Rufsignalisierung</source>
        <translation>Time until call forwarding</translation>
    </message>
    <message>
        <source>Maximale Rufweiterschaltung</source>
        <translation>Maximum call signalling time</translation>
    </message>
    <message>
        <source>Rufnummer 1</source>
        <translation>Call number 1</translation>
    </message>
    <message>
        <source>Rufnummer 2</source>
        <translation>Call number 2</translation>
    </message>
    <message>
        <source>Status Byte</source>
        <translation>Status byte</translation>
    </message>
    <message>
        <source>Bus-Adresse</source>
        <translation>Bus address</translation>
    </message>
    <message>
        <source>Verbindungsfehler</source>
        <translation>Connection error</translation>
    </message>
    <message>
        <source>Rufweiterleitung</source>
        <translation>Maximum call signalling time</translation>
    </message>
    <message>
        <source>Eingabefehler</source>
        <translation>Input error</translation>
    </message>
    <message>
        <source>Datei speichern</source>
        <translation>Save file</translation>
    </message>
    <message>
        <source>Vx-Configuration (*.tml)</source>
        <translation>Vx-Configuration (*.tml)</translation>
    </message>
    <message>
        <source>Datei laden</source>
        <translation>Load file</translation>
    </message>
    <message>
        <source>Alte Einstellungen importieren</source>
        <translation>Import old settings</translation>
    </message>
    <message>
        <source>VXA 2.0 Einstellung (*.cvx)</source>
        <translation>VXA 2.0 settings (*.cvx)</translation>
    </message>
    <message>
        <source>Importieren</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Sicherung wiederherstellen…</source>
        <translation>&amp;Restore backup…</translation>
    </message>
    <message>
        <source>Drucken…</source>
        <translation>&amp;Print…</translation>
    </message>
    <message>
        <source>Als PDF exportieren…</source>
        <translation>&amp;Export as PDF…</translation>
    </message>
    <message>
        <source>Vor dem Schreiben sichern</source>
        <translation>&amp;Back up before writing</translation>
    </message>
    <message>
        <source>Nach dem Schreiben prüfen</source>
        <translation>&amp;Verify after writing</translation>
    </message>
    <message>
        <source>unbenannt</source>
        <translation>untitled</translation>
    </message>
    <message>
        <source>Ungesicherte Änderungen</source>
        <translation>Unsaved changes</translation>
    </message>
    <message>
        <source>Die Konfiguration wurde geändert.
Möchten Sie die Änderungen speichern?</source>
        <translation>The configuration has been changed.
Do you want to save the changes?</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht gespeichert werden:
%2
Die Datei ist unverändert.</source>
        <translation>The file %1 could not be saved:
%2
The file is unchanged.</translation>
    </message>
    <message>
        <source>Gespeichert: %1</source>
        <translation>Saved: %1</translation>
    </message>
    <message>
        <source>Geladen: %1</source>
        <translation>Loaded: %1</translation>
    </message>
    <message>
        <source>Diese Werte der Datei kann der VX-Adapter nicht übernehmen. Sie stehen unverändert auf dem Bildschirm; korrigieren Sie sie vor dem Schreiben:</source>
        <translation>The VX-Adapter cannot take these values of the file. They are shown on the screen as they are; correct them before writing:</translation>
    </message>
    <message>
        <source>Als PDF exportieren</source>
        <translation>Export as PDF</translation>
    </message>
    <message>
        <source>PDF-Dokument (*.pdf)</source>
        <translation>PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht geschrieben werden:
%2</source>
        <translation>The file %1 could not be written:
%2</translation>
    </message>
    <message>
        <source>[Unerwartete Antwort des VX-Adapters: %1]
</source>
        <translation>[Unexpected answer of the VX-Adapter: %1]
</translation>
    </message>
    <message>
        <source>Ihr Benutzerkonto darf die Schnittstelle nicht benutzen. Lassen Sie es in die Gruppe „dialout“ aufnehmen (sudo adduser $USER dialout) und melden Sie sich danach neu an.</source>
        <translation>Your user account may not use the port. Have it added to the group “dialout” (sudo adduser $USER dialout) and log in again afterwards.</translation>
    </message>
    <message>
        <source>Es ist keine serielle Schnittstelle geöffnet.
Wählen Sie unter „Schnittstelle“ den Anschluss des VX-Adapters.</source>
        <translation>No serial port is open.
Choose the port of the VX-Adapter under “Port”.</translation>
    </message>
    <message>
        <source>Keine Antwort</source>
        <translation>No answer</translation>
    </message>
    <message>
        <source>Der VX-Adapter an der Schnittstelle %1 antwortet nicht.
Gewartet wurde auf: %2</source>
        <translation>The VX-Adapter on the port %1 does not answer.
Waited for: %2</translation>
    </message>
    <message>
        <source>Zurücksetzen</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Sicherung: %1</source>
        <translation>Backup: %1</translation>
    </message>
    <message>
        <source>Prüfung: %1</source>
        <translation>Verification: %1</translation>
    </message>
    <message>
        <source>Die Konfiguration wurde gelesen.</source>
        <translation>The configuration was read.</translation>
    </message>
    <message>
        <source>Die Konfiguration wurde geschrieben.</source>
        <translation>The configuration was written.</translation>
    </message>
    <message>
        <source>Der VX-Adapter wurde zurückgesetzt.</source>
        <translation>The VX-Adapter was reset.</translation>
    </message>
    <message>
        <source>Die Konfiguration wurde geschrieben und geprüft.</source>
        <translation>The configuration was written and verified.</translation>
    </message>
    <message>
        <source>Prüfung</source>
        <translation>Verification</translation>
    </message>
    <message>
        <source>Der VX-Adapter hat nicht alles so gespeichert, wie es geschrieben wurde:</source>
        <translation>The VX-Adapter did not store everything as it was written:</translation>
    </message>
    <message>
        <source>Sicherung gespeichert: %1</source>
        <translation>Backup saved: %1</translation>
    </message>
    <message>
        <source>Die Sicherung konnte nicht gespeichert werden (%1).</source>
        <translation>The backup could not be saved (%1).</translation>
    </message>
    <message>
        <source>Ohne Sicherung zurücksetzen?</source>
        <translation>Reset without a backup?</translation>
    </message>
    <message>
        <source>Ohne Sicherung schreiben?</source>
        <translation>Write without a backup?</translation>
    </message>
    <message>
        <source>Sicherung</source>
        <translation>Backup</translation>
    </message>
    <message>
        <source>Die Konfiguration des VX-Adapters konnte nicht gesichert werden.</source>
        <translation>The configuration of the VX-Adapter could not be backed up.</translation>
    </message>
    <message>
        <source>Masterpasswort</source>
        <comment>label</comment>
        <translation>&amp;Master password</translation>
    </message>
    <message>
        <source>Login</source>
        <comment>button</comment>
        <translation>Log&amp;in</translation>
    </message>
    <message>
        <source>Logout</source>
        <comment>button</comment>
        <translation>Log&amp;out</translation>
    </message>
    <message>
        <source>Schreiben läuft</source>
        <translation>Writing</translation>
    </message>
    <message>
        <source>Der VX-Adapter wird gerade beschrieben. Endet das Schreiben jetzt, hält er eine teilweise geschriebene Konfiguration.</source>
        <translation>The VX-Adapter is being written. If writing ends now, it holds a partly written configuration.</translation>
    </message>
    <message>
        <source>Abbrechen und beenden</source>
        <translation>Stop and quit</translation>
    </message>
    <message>
        <source>Weiter schreiben</source>
        <translation>Go on writing</translation>
    </message>
    <message>
        <source>Die Leitung sendet jedes Zeichen zurück; das Echo wird übergangen.</source>
        <translation>The line sends every character back; the echo is skipped.</translation>
    </message>
    <message>
        <source>Der Bildschirm ist unverändert.</source>
        <translation>The screen is unchanged.</translation>
    </message>
    <message>
        <source>Unlesbare Antwort</source>
        <translation>Unreadable answer</translation>
    </message>
    <message>
        <source>Der VX-Adapter an der Schnittstelle %1 hat etwas geantwortet, das keine Antwort ist.
Gefragt war: %2</source>
        <translation>The VX-Adapter on port %1 answered with something that is no answer.
Asked for: %2</translation>
    </message>
    <message>
        <source>Lesen abgebrochen; der Bildschirm ist unverändert.</source>
        <translation>Reading cancelled; the screen is unchanged.</translation>
    </message>
    <message>
        <source>Abgebrochen; in den VX-Adapter wurde nichts geschrieben.</source>
        <translation>Cancelled; nothing was written to the VX-Adapter.</translation>
    </message>
    <message>
        <source>Loggen Sie sich wieder ein und schreiben Sie erneut.</source>
        <translation>Log in again and write once more.</translation>
    </message>
    <message>
        <source>Teilweise geschrieben</source>
        <translation>Partly written</translation>
    </message>
    <message>
        <source>Erneut schreiben</source>
        <translation>Write again</translation>
    </message>
    <message>
        <source>Sicherung zurückschreiben</source>
        <translation>Write the backup back</translation>
    </message>
    <message>
        <source>So lassen</source>
        <translation>Leave it</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Handbuch</source>
        <comment>menu</comment>
        <translation>&amp;Manual</translation>
    </message>
    <message>
        <source>Über vxconfig</source>
        <comment>menu</comment>
        <translation>&amp;About vxconfig</translation>
    </message>
    <message>
        <source>Über vxconfig</source>
        <translation>About vxconfig</translation>
    </message>
    <message>
        <source>Richtet einen VX-Adapter über die serielle Schnittstelle ein.</source>
        <translation>Sets up a VX-Adapter over its serial port.</translation>
    </message>
    <message>
        <source>Lizenz:</source>
        <translation>Licence:</translation>
    </message>
    <message>
        <source>GNU General Public License, Version 3 oder später (GPL-3.0-or-later), ohne jede Gewährleistung</source>
        <translation>GNU General Public License, version 3 or later (GPL-3.0-or-later), without any warranty</translation>
    </message>
    <message>
        <source>Qt:</source>
        <translation>Qt:</translation>
    </message>
    <message>
        <source>Sicherungen:</source>
        <translation>Backups:</translation>
    </message>
    <message>
        <source>Handbuch:</source>
        <translation>Manual:</translation>
    </message>
    <message>
        <source>nicht gefunden</source>
        <translation>not found</translation>
    </message>
    <message>
        <source>Handbuch</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>Das Handbuch wurde nicht gefunden, weder als %1 noch als %2.</source>
        <translation>The manual was found neither as %1 nor as %2.</translation>
    </message>
    <message>
        <source>Für das Handbuch %1 ist kein Programm eingerichtet, das es öffnet.</source>
        <translation>No program is set up to open the manual %1.</translation>
    </message>
    <message>
        <source>Zuletzt geöffnet</source>
        <translation>Recent &amp;files</translation>
    </message>
    <message>
        <source>Bearbeiten</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>Speichern unter…</source>
        <translation>Save &amp;as…</translation>
    </message>
    <message>
        <source>Rückgängig</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>Wiederholen</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>Änderungen vor dem Schreiben zeigen</source>
        <translation>&amp;Show changes before writing</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Der Bildschirm verglichen mit dem, was der VX-Adapter nach dem letzten Lesen oder Schreiben hält</source>
        <translation>The screen compared with what the VX-Adapter holds after the last read or write</translation>
    </message>
    <message>
        <source>Die Datei %1 gibt es schon.
Möchten Sie sie ersetzen?</source>
        <translation>The file %1 already exists.
Do you want to replace it?</translation>
    </message>
    <message>
        <source>Die Zeiten stehen so auf dem Bildschirm; korrigieren Sie sie vor dem Schreiben.</source>
        <translation>The times are on screen as they are; correct them before writing.</translation>
    </message>
    <message>
        <source>&amp;%1 %2</source>
        <extracomment>A recent file in the menu: its number, its path</extracomment>
        <translation>&amp;%1 %2</translation>
    </message>
    <message>
        <source>%1 (geändert)</source>
        <extracomment>The file on the site sheet when the screen holds changes to it</extracomment>
        <translation>%1 (changed)</translation>
    </message>
    <message>
        <source>Der VX-Adapter hält schon, was auf dem Bildschirm steht; Schreiben ändert nichts.
Trotzdem schreiben?</source>
        <translation>The VX-Adapter already holds what is on screen; writing changes nothing.
Write anyway?</translation>
    </message>
    <message>
        <source>Schreiben ändert im VX-Adapter (bisher → neu):</source>
        <translation>Writing changes in the VX-Adapter (now → new):</translation>
    </message>
    <message>
        <source>Änderungen vor dem Schreiben</source>
        <translation>Changes before writing</translation>
    </message>
    <message>
        <source> s</source>
        <comment>unit of a time</comment>
        <translation> s</translation>
    </message>
</context>
<context>
    <name>MasterWidget</name>
    <message>
        <source>MasterItem</source>
        <translation>MasterItem</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Master</translation>
    </message>
    <message>
        <source>Rufnummer 1</source>
        <translation>Call number 1</translation>
    </message>
    <message>
        <source>Rufnummer 2</source>
        <translation>Call number 2</translation>
    </message>
    <message>
        <source>Rufsignalisierung AUS</source>
        <translation>Call signalling OFF</translation>
    </message>
    <message>
        <source>Rufnummer 2 vor Rufnummer 1 wählen</source>
        <translation>Dial call number 2 before call number 1</translation>
    </message>
    <message>
        <source>Alle Teilnehmer auf Master umleiten</source>
        <translation>Redirect all attendees to master</translation>
    </message>
    <message>
        <source>Rufweiterschaltung</source>
        <translation>Call forwarding</translation>
    </message>
</context>
<context>
    <name>PasswordDialog</name>
    <message>
        <source>Passwort eingeben...</source>
        <translation>Enter password...</translation>
    </message>
    <message>
        <source>Passwort</source>
        <translation>&amp;Password</translation>
    </message>
    <message>
        <source>Passwort bestätigen</source>
        <translation>Confirm pass&amp;word</translation>
    </message>
</context>
<context>
    <name>ProgressDialog</name>
    <message>
        <source>Fortschritt</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>Übertrage Daten:</source>
        <translation>Transferring data:</translation>
    </message>
    <message>
        <source>&lt;process&gt;</source>
        <translation>&lt;process&gt;</translation>
    </message>
</context>
<context>
    <name>SafeTransfer</name>
    <message>
        <source>Der VX-Adapter hat %1 abgelehnt.</source>
        <extracomment>&quot;Der VX-Adapter hat Rufnummer 1 von Master abgelehnt.&quot;</extracomment>
        <translation>The VX-Adapter refused %1.</translation>
    </message>
    <message>
        <source>Der VX-Adapter antwortet nicht (gewartet wurde auf: %1).</source>
        <translation>The VX-Adapter does not answer (waited for: %1).</translation>
    </message>
    <message>
        <source>Die Antwort des VX-Adapters auf %1 war nicht lesbar.</source>
        <translation>The VX-Adapter&apos;s answer to %1 was unreadable.</translation>
    </message>
    <message>
        <source>Ohne Sicherung wird nicht geschrieben.</source>
        <translation>Without a backup, nothing is written.</translation>
    </message>
    <message>
        <source>Abgebrochen.</source>
        <translation>Stopped.</translation>
    </message>
    <message>
        <source>Der VX-Adapter hält jetzt eine teilweise geschriebene Konfiguration: %1 von %2 Werten wurden geschrieben, die übrigen sind die alten.</source>
        <translation>The VX-Adapter now holds a partly written configuration: %1 of %2 values were written, the others are the old ones.</translation>
    </message>
    <message>
        <source>Es wurde keine Sicherung angelegt.</source>
        <translation>No backup was made.</translation>
    </message>
    <message>
        <source>Sicherung: %1</source>
        <translation>Backup: %1</translation>
    </message>
</context>
<context>
    <name>SerialHelper</name>
    <message>
        <source>Gerät getrennt</source>
        <translation>device disconnected</translation>
    </message>
    <message>
        <source>Die Schnittstelle %1 wird von einem anderen Programm benutzt.</source>
        <translation>The port %1 is in use by another program.</translation>
    </message>
</context>
<context>
    <name>SettingsInput</name>
    <message>
        <source>Die Datei %1 konnte nicht gelesen werden.</source>
        <translation>The file %1 could not be read.</translation>
    </message>
    <message>
        <source>Diese Werte der Datei kann der VX-Adapter nicht übernehmen:</source>
        <translation>The VX-Adapter cannot take these values of the file:</translation>
    </message>
</context>
<context>
    <name>SiteSheet</name>
    <message>
        <source>Das Blatt ließ sich nicht zeichnen.</source>
        <translation>The sheet could not be drawn.</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Master</translation>
    </message>
    <message>
        <source>Teilnehmer %1</source>
        <translation>Attendee %1</translation>
    </message>
    <message>
        <source>Anlagenblatt VX-Adapter</source>
        <translation>VX-Adapter site sheet</translation>
    </message>
    <message>
        <source>dd.MM.yyyy</source>
        <extracomment>Date format of the sheet, see QDate::toString()</extracomment>
        <translation>d MMMM yyyy</translation>
    </message>
    <message>
        <source>Stand: %1</source>
        <translation>As of %1</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Maximale Zeit der Rufsignalisierung</source>
        <translation>Maximum call signalling time</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Zeit bis zur Rufweiterschaltung</source>
        <translation>Time until call forwarding</translation>
    </message>
    <message>
        <source>Station, Kelvo-Adresse</source>
        <translation>Station, bus address</translation>
    </message>
    <message>
        <source>Rufnummern und Optionen</source>
        <translation>Call numbers and options</translation>
    </message>
    <message>
        <source>DIP-Schalter</source>
        <translation>DIP switches</translation>
    </message>
    <message>
        <source>Rufnummer 1</source>
        <translation>Call number 1</translation>
    </message>
    <message>
        <source>Rufnummer 2</source>
        <translation>Call number 2</translation>
    </message>
    <message>
        <source>Optionen</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>keine</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Mit den DIP-Schaltern nicht einstellbar: Buchstabe A bis I und Nummer 1 bis 27.</source>
        <translation>This address cannot be set with the DIP switches: letter A to I and number 1 to 27.</translation>
    </message>
    <message numerus="yes">
        <source>Ohne Eintrag: Teilnehmer %1</source>
        <translation>
            <numerusform>No entry: attendee %1</numerusform>
            <numerusform>No entry: attendees %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>Seite %1 von %2</source>
        <translation>Page %1 of %2</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Richtet einen VX-Adapter über die serielle Schnittstelle ein.</source>
        <translation>Sets up a VX-Adapter over its serial port.</translation>
    </message>
    <message>
        <source>Eine Konfiguration (.tml) zum Öffnen oder eine alte Einstellung (.cvx) zum Importieren.</source>
        <translation>A configuration (.tml) to open or old settings (.cvx) to import.</translation>
    </message>
    <message>
        <source>vxconfig öffnet nur die erste Datei, %1.
</source>
        <translation>vxconfig opens only the first file, %1.
</translation>
    </message>
</context>
</TS>
