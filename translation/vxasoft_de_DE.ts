<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="de_DE">
<context>
    <name>AdapterJob</name>
    <message>
        <source>Der VX-Adapter hat das Passwort nicht angenommen.</source>
        <translation>Der VX-Adapter hat das Passwort nicht angenommen.</translation>
    </message>
    <message>
        <source>Die serielle Schnittstelle %1 ist ausgefallen: %2</source>
        <translation>Die serielle Schnittstelle %1 ist ausgefallen: %2</translation>
    </message>
    <message>
        <source>Ohne Sicherung wird nicht geschrieben; mit --no-backup wird ohne Sicherung geschrieben.</source>
        <translation>Ohne Sicherung wird nicht geschrieben; mit --no-backup wird ohne Sicherung geschrieben.</translation>
    </message>
    <message>
        <source>Die serielle Schnittstelle %1 konnte nicht geöffnet werden.</source>
        <translation>Die serielle Schnittstelle %1 konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Sicherung</source>
        <translation>Sicherung</translation>
    </message>
    <message>
        <source>Schreiben</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>Prüfung</source>
        <translation>Prüfung</translation>
    </message>
    <message>
        <source>Lesen</source>
        <translation>Lesen</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>&quot;Sicherung: Rufnummer 1 von Master&quot;</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Sicherung gespeichert: %1</source>
        <translation>Sicherung gespeichert: %1</translation>
    </message>
    <message>
        <source>Die Sicherung konnte nicht gespeichert werden: %1</source>
        <translation>Die Sicherung konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>Abgebrochen.</source>
        <translation>Abgebrochen.</translation>
    </message>
    <message>
        <source>Abbruch: der Befehl, der gerade läuft, wird noch beendet.</source>
        <translation>Abbruch: der Befehl, der gerade läuft, wird noch beendet.</translation>
    </message>
    <message>
        <source>In den VX-Adapter wurde nichts geschrieben.</source>
        <translation>In den VX-Adapter wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Die Konfiguration wurde ganz geschrieben und geprüft.</source>
        <translation>Die Konfiguration wurde ganz geschrieben und geprüft.</translation>
    </message>
    <message>
        <source>Die Konfiguration wurde ganz geschrieben, aber nicht geprüft.</source>
        <translation>Die Konfiguration wurde ganz geschrieben, aber nicht geprüft.</translation>
    </message>
    <message>
        <source>Die Leitung sendet jedes Zeichen zurück; das Echo wird übergangen.</source>
        <translation>Die Leitung sendet jedes Zeichen zurück; das Echo wird übergangen.</translation>
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
        <translation>Teilnehmer X</translation>
    </message>
    <message>
        <source>Rufnummer 1</source>
        <translation>Rufnummer 1</translation>
    </message>
    <message>
        <source>Kelvo-Rufadresse</source>
        <translation>Kelvo-Rufadresse</translation>
    </message>
    <message>
        <source>Erweiterte Funktionen
(Teilnehmer Passwort) Freischalten</source>
        <translation>Erweiterte Funktionen
(Teilnehmer Passwort) Freischalten</translation>
    </message>
    <message>
        <source>Rufnummer 2</source>
        <translation>Rufnummer 2</translation>
    </message>
    <message>
        <source>Rufsignalisierung AUS</source>
        <translation>Rufsignalisierung AUS</translation>
    </message>
    <message>
        <source>Rufnummer 2 vor Rufnummer 1 wählen</source>
        <translation>Rufnummer 2 vor Rufnummer 1 wählen</translation>
    </message>
    <message>
        <source>Auf Master umleiten</source>
        <translation>Auf Master umleiten</translation>
    </message>
    <message>
        <source>Rufweiterschaltung</source>
        <translation>Rufweiterschaltung</translation>
    </message>
    <message>
        <source>Teilnehmer %1</source>
        <translation>Teilnehmer %1</translation>
    </message>
    <message>
        <source>DIP-Schalter</source>
        <translation>DIP-Schalter</translation>
    </message>
</context>
<context>
    <name>BackupDialog</name>
    <message>
        <source>Sicherung wiederherstellen</source>
        <translation>Sicherung wiederherstellen</translation>
    </message>
    <message>
        <source>Es gibt noch keine Sicherung.</source>
        <translation>Es gibt noch keine Sicherung.</translation>
    </message>
    <message>
        <source>Vor jedem Schreiben und Zurücksetzen wird gesichert, was der VX-Adapter enthielt. Die neueste Sicherung steht oben:</source>
        <translation>Vor jedem Schreiben und Zurücksetzen wird gesichert, was der VX-Adapter enthielt. Die neueste Sicherung steht oben:</translation>
    </message>
    <message>
        <source>Gesichert am</source>
        <translation>Gesichert am</translation>
    </message>
    <message>
        <source>Schnittstelle</source>
        <translation>Schnittstelle</translation>
    </message>
    <message>
        <source>Datei auf dem Bildschirm</source>
        <translation>Datei auf dem Bildschirm</translation>
    </message>
    <message>
        <source>dd.MM.yyyy HH:mm:ss</source>
        <translation>dd.MM.yyyy HH:mm:ss</translation>
    </message>
    <message>
        <source>unbenannt</source>
        <translation>unbenannt</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>&amp;Öffnen</translation>
    </message>
    <message>
        <source>Andere Datei…</source>
        <translation>Andere &amp;Datei…</translation>
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
        <translation>Keine serielle Schnittstelle gefunden.</translation>
    </message>
    <message>
        <source>Es wurde nichts an den VX-Adapter gesendet.</source>
        <translation>Es wurde nichts an den VX-Adapter gesendet.</translation>
    </message>
    <message>
        <source>Die Konfiguration wurde geschrieben.</source>
        <translation>Die Konfiguration wurde geschrieben.</translation>
    </message>
    <message>
        <source>Warnung: so kann der VX-Adapter die Einstellung nicht übernehmen:</source>
        <translation>Warnung: so kann der VX-Adapter die Einstellung nicht übernehmen:</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht geschrieben werden: %2</source>
        <translation>Die Datei %1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Gespeichert: %1</source>
        <translation>Gespeichert: %1</translation>
    </message>
    <message>
        <source>Masterpasswort: </source>
        <translation>Masterpasswort: </translation>
    </message>
    <message>
        <source>Kein Masterpasswort: --password NNNN, --password - für die Standardeingabe, oder die Umgebungsvariable VXCONFIG_PASSWORD.</source>
        <translation>Kein Masterpasswort: --password NNNN, --password - für die Standardeingabe, oder die Umgebungsvariable VXCONFIG_PASSWORD.</translation>
    </message>
    <message>
        <source>Das Masterpasswort besteht aus vier Ziffern.</source>
        <translation>Das Masterpasswort besteht aus vier Ziffern.</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht gespeichert werden: %2</source>
        <translation>Die Datei %1 konnte nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Abweichende Werte: %1</source>
        <translation>Abweichende Werte: %1</translation>
    </message>
    <message>
        <source>Der VX-Adapter hält dieselben Werte wie die Datei.</source>
        <translation>Der VX-Adapter hält dieselben Werte wie die Datei.</translation>
    </message>
    <message>
        <source>Die Datei %1 gibt es schon; --force ersetzt sie.</source>
        <translation>Die Datei %1 gibt es schon; --force ersetzt sie.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Serielle Schnittstelle des VX-Adapters, z. B. ttyUSB0 oder /dev/ttyUSB0.</source>
        <translation>Serielle Schnittstelle des VX-Adapters, z. B. ttyUSB0 oder /dev/ttyUSB0.</translation>
    </message>
    <message>
        <source>Schnittstelle</source>
        <translation>Schnittstelle</translation>
    </message>
    <message>
        <source>Masterpasswort, vier Ziffern; - liest eine Zeile von der Standardeingabe. Ohne diese Option gilt die Umgebungsvariable %1.</source>
        <translation>Masterpasswort, vier Ziffern; - liest eine Zeile von der Standardeingabe. Ohne diese Option gilt die Umgebungsvariable %1.</translation>
    </message>
    <message>
        <source>write: die Konfiguration des VX-Adapters vorher nicht sichern.</source>
        <translation>write: die Konfiguration des VX-Adapters vorher nicht sichern.</translation>
    </message>
    <message>
        <source>write: danach nicht zurücklesen und vergleichen.</source>
        <translation>write: danach nicht zurücklesen und vergleichen.</translation>
    </message>
    <message>
        <source>Kein Fortschritt und keine Hinweise, nur Ergebnisse, Warnungen und Fehler.</source>
        <translation>Kein Fortschritt und keine Hinweise, nur Ergebnisse, Warnungen und Fehler.</translation>
    </message>
    <message>
        <source>Sprache der Meldungen: de oder en.</source>
        <translation>Sprache der Meldungen: de oder en.</translation>
    </message>
    <message>
        <source>Konfiguriert einen VX-Adapter ohne Fenster, für Skripte und Serienarbeit.</source>
        <translation>Konfiguriert einen VX-Adapter ohne Fenster, für Skripte und Serienarbeit.</translation>
    </message>
    <message>
        <source>Befehle:</source>
        <translation>Befehle:</translation>
    </message>
    <message>
        <source>Sicherungen liegen im Datenordner des Benutzers unter vxconfig/backups, wie die des Programms vxconfig.</source>
        <translation>Sicherungen liegen im Datenordner des Benutzers unter vxconfig/backups, wie die des Programms vxconfig.</translation>
    </message>
    <message>
        <source>Rückgabewerte:</source>
        <translation>Rückgabewerte:</translation>
    </message>
    <message>
        <source>ports, read, write, verify, import oder sheet</source>
        <translation>ports, read, write, verify, import oder sheet</translation>
    </message>
    <message>
        <source>die Dateien des Befehls</source>
        <translation>die Dateien des Befehls</translation>
    </message>
    <message>
        <source>read --port P --password NNNN AUS.tml</source>
        <translation>read --port P --password NNNN AUS.tml</translation>
    </message>
    <message>
        <source>write --port P --password NNNN EIN.tml</source>
        <translation>write --port P --password NNNN EIN.tml</translation>
    </message>
    <message>
        <source>verify --port P --password NNNN EIN.tml</source>
        <translation>verify --port P --password NNNN EIN.tml</translation>
    </message>
    <message>
        <source>import ALT.cvx AUS.tml</source>
        <translation>import ALT.cvx AUS.tml</translation>
    </message>
    <message>
        <source>sheet EIN.tml AUS.pdf</source>
        <translation>sheet EIN.tml AUS.pdf</translation>
    </message>
    <message>
        <source>Unbekannte Sprache: %1 (de oder en)</source>
        <translation>Unbekannte Sprache: %1 (de oder en)</translation>
    </message>
    <message>
        <source>Kein Befehl angegeben; --help zeigt die Befehle.</source>
        <translation>Kein Befehl angegeben; --help zeigt die Befehle.</translation>
    </message>
    <message>
        <source>Unbekannter Befehl: %1; --help zeigt die Befehle.</source>
        <translation>Unbekannter Befehl: %1; --help zeigt die Befehle.</translation>
    </message>
    <message>
        <source>Aufruf: %1 %2</source>
        <translation>Aufruf: %1 %2</translation>
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
        <translation>  0  erledigt
  1  der VX-Adapter hält andere Werte als die Datei (verify, Prüfung nach write)
  2  falsche Argumente, oder eine Datei lässt sich nicht lesen oder schreiben
  3  die Schnittstelle lässt sich nicht öffnen
  4  der VX-Adapter hat das Passwort nicht angenommen
  5  der VX-Adapter antwortet nicht
  6  der VX-Adapter hat die Übertragung abgelehnt
  7  teilweise geschrieben: Leitung verloren, VX-Adapter stumm oder unlesbar mitten im Schreiben
  8  der VX-Adapter hat etwas geantwortet, das keine Antwort ist
  129, 130, 143  durch SIGHUP, SIGINT oder SIGTERM beendet, nach dem Befehl in Arbeit und dem Logout</translation>
    </message>
    <message>
        <source>read: eine vorhandene Datei ersetzen.</source>
        <translation>read: eine vorhandene Datei ersetzen.</translation>
    </message>
    <message>
        <source>  ports                                    serielle Schnittstellen: Name, Beschreibung, Seriennummer, VID:PID
  read   --port P --password NNNN AUS.tml  die Konfiguration des VX-Adapters in eine neue Datei lesen
  write  --port P --password NNNN EIN.tml  die Datei schreiben; vorher sichern, danach prüfen
  verify --port P --password NNNN EIN.tml  den VX-Adapter lesen und mit der Datei vergleichen
  import ALT.cvx AUS.tml                   eine alte Einstellung ins XML-Format übertragen
  sheet  EIN.tml AUS.pdf                   das Anlagenblatt der Datei als PDF</source>
        <translation>  ports                                    serielle Schnittstellen: Name, Beschreibung, Seriennummer, VID:PID
  read   --port P --password NNNN AUS.tml  die Konfiguration des VX-Adapters in eine neue Datei lesen
  write  --port P --password NNNN EIN.tml  die Datei schreiben; vorher sichern, danach prüfen
  verify --port P --password NNNN EIN.tml  den VX-Adapter lesen und mit der Datei vergleichen
  import ALT.cvx AUS.tml                   eine alte Einstellung ins XML-Format übertragen
  sheet  EIN.tml AUS.pdf                   das Anlagenblatt der Datei als PDF</translation>
    </message>
</context>
<context>
    <name>ConfigurationDocument</name>
    <message>
        <source>Adapter: wie Bildschirm</source>
        <translation>Adapter: wie Bildschirm</translation>
    </message>
    <message>
        <source>Adapter: abweichend</source>
        <translation>Adapter: abweichend</translation>
    </message>
    <message>
        <source>Adapter: teilweise geschrieben</source>
        <translation>Adapter: teilweise geschrieben</translation>
    </message>
    <message>
        <source>Adapter: unbekannt</source>
        <translation>Adapter: unbekannt</translation>
    </message>
    <message>
        <source>%1 ändern</source>
        <extracomment>Undo step, &quot;Rufnummer 2 von Teilnehmer 4 ändern&quot;</extracomment>
        <translation>%1 ändern</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <extracomment>Undo step</extracomment>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Importieren</source>
        <extracomment>Undo step</extracomment>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Sicherung wiederherstellen</source>
        <extracomment>Undo step</extracomment>
        <translation>Sicherung wiederherstellen</translation>
    </message>
    <message>
        <source>Lesen</source>
        <extracomment>Undo step</extracomment>
        <translation>Lesen</translation>
    </message>
    <message>
        <source>Zurücksetzen</source>
        <extracomment>Undo step</extracomment>
        <translation>Zurücksetzen</translation>
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
        <translation>Teilnehmer %1</translation>
    </message>
    <message>
        <source>Maximale Zeit der Rufsignalisierung</source>
        <translation>Maximale Zeit der Rufsignalisierung</translation>
    </message>
    <message>
        <source>Zeit bis zur Rufweiterschaltung</source>
        <translation>Zeit bis zur Rufweiterschaltung</translation>
    </message>
    <message>
        <source>Rufnummer 1</source>
        <translation>Rufnummer 1</translation>
    </message>
    <message>
        <source>Rufnummer 2</source>
        <translation>Rufnummer 2</translation>
    </message>
    <message>
        <source>Optionen</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Kelvo-Adresse</source>
        <translation>Kelvo-Adresse</translation>
    </message>
    <message>
        <source>%1 von %2</source>
        <extracomment>&quot;Rufnummer 2 von Teilnehmer 4&quot;</extracomment>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>&quot;Teilnehmer 4, Rufnummer 2&quot;</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>(leer)</source>
        <translation>(leer)</translation>
    </message>
    <message numerus="yes">
        <source>… und %n weitere</source>
        <translation>
            <numerusform>… und %n weitere</numerusform>
            <numerusform>… und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: geschrieben %2, gelesen %3</source>
        <extracomment>&quot;Teilnehmer 4, Rufnummer 2: geschrieben 0301234, gelesen 0301243&quot;</extracomment>
        <translation>%1: geschrieben %2, gelesen %3</translation>
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
        <translation>Erweiterte Funktionen (Teilnehmer Passwort) Freischalten</translation>
    </message>
    <message>
        <source>Rufsignalisierung AUS</source>
        <translation>Rufsignalisierung AUS</translation>
    </message>
    <message>
        <source>Rufnummer 2 vor Rufnummer 1 wählen</source>
        <translation>Rufnummer 2 vor Rufnummer 1 wählen</translation>
    </message>
    <message>
        <source>Alle Teilnehmer auf Master umleiten</source>
        <translation>Alle Teilnehmer auf Master umleiten</translation>
    </message>
    <message>
        <source>Auf Master umleiten</source>
        <translation>Auf Master umleiten</translation>
    </message>
    <message>
        <source>Rufweiterschaltung</source>
        <translation>Rufweiterschaltung</translation>
    </message>
    <message>
        <source>Wahl ohne warten</source>
        <translation>Wahl ohne warten</translation>
    </message>
    <message>
        <source>ein</source>
        <translation>ein</translation>
    </message>
    <message>
        <source>aus</source>
        <translation>aus</translation>
    </message>
</context>
<context>
    <name>ConfigurationXml</name>
    <message>
        <source>Das Ziel ist keine gewöhnliche Datei.</source>
        <translation>Das Ziel ist keine gewöhnliche Datei.</translation>
    </message>
</context>
<context>
    <name>DiagnosticWidget</name>
    <message>
        <source>VX-Adapter Diagnose</source>
        <translation>VX-Adapter Diagnose</translation>
    </message>
    <message>
        <source>Verlauf löschen</source>
        <translation>&amp;Verlauf löschen</translation>
    </message>
</context>
<context>
    <name>EntryPanel</name>
    <message>
        <source>Optionen</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Bis zu %1 Ziffern</source>
        <translation>Bis zu %1 Ziffern</translation>
    </message>
    <message>
        <source>Optionen: %1</source>
        <translation>Optionen: %1</translation>
    </message>
    <message>
        <source>keine</source>
        <extracomment>The summary of an entry&apos;s options when none is ticked</extracomment>
        <translation>keine</translation>
    </message>
    <message numerus="yes">
        <source>%n Optionen</source>
        <translation>
            <numerusform>%n Option</numerusform>
            <numerusform>%n Optionen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>InputProblem</name>
    <message>
        <source>Die %1 darf nur Ziffern enthalten, höchstens %2.</source>
        <translation>Die %1 darf nur Ziffern enthalten, höchstens %2.</translation>
    </message>
    <message>
        <source>Die Kelvo-Adresse von %1 lässt sich mit den DIP-Schaltern nicht einstellen: erlaubt sind ein Buchstabe von A bis I und eine Zahl von 1 bis 27, zum Beispiel B12.</source>
        <translation>Die Kelvo-Adresse von %1 lässt sich mit den DIP-Schaltern nicht einstellen: erlaubt sind ein Buchstabe von A bis I und eine Zahl von 1 bis 27, zum Beispiel B12.</translation>
    </message>
    <message>
        <source>Bei %1 fehlt die %2.</source>
        <extracomment>&quot;Bei Teilnehmer 4 fehlt die Rufnummer 2.&quot;</extracomment>
        <translation>Bei %1 fehlt die %2.</translation>
    </message>
    <message>
        <source>%1 hat dieselbe Kelvo-Adresse wie %2 (%3).</source>
        <extracomment>&quot;Teilnehmer 5 hat dieselbe Kelvo-Adresse wie Teilnehmer 2 (B3).&quot;</extracomment>
        <translation>%1 hat dieselbe Kelvo-Adresse wie %2 (%3).</translation>
    </message>
    <message>
        <source>Die maximale Zeit der Rufsignalisierung (%1) muss um mindestens %2 größer sein als die Zeit bis zur Rufweiterschaltung (%3).</source>
        <translation>Die maximale Zeit der Rufsignalisierung (%1) muss um mindestens %2 größer sein als die Zeit bis zur Rufweiterschaltung (%3).</translation>
    </message>
</context>
<context>
    <name>KelvoAddressLabel</name>
    <message>
        <source>oben</source>
        <translation>oben</translation>
    </message>
    <message>
        <source>Mitte</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <source>unten</source>
        <translation>unten</translation>
    </message>
    <message>
        <source>%1: nicht mit den Schaltern einstellbar</source>
        <translation>%1: nicht mit den Schaltern einstellbar</translation>
    </message>
    <message>
        <source>%1: Schalter %2</source>
        <extracomment>&quot;C12: Schalter 1 unten, 2 oben, 3 Mitte, 4 oben, 5 Mitte&quot;</extracomment>
        <translation>%1: Schalter %2</translation>
    </message>
    <message>
        <source>DIP-Schalter</source>
        <translation>DIP-Schalter</translation>
    </message>
    <message>
        <source>Schalter %1 gewählt. %2</source>
        <extracomment>&quot;Schalter 2 gewählt. C12: Schalter 1 unten, 2 oben, ...&quot;</extracomment>
        <translation>Schalter %1 gewählt. %2</translation>
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
        <translation>Neues Masterpasswort</translation>
    </message>
    <message>
        <source>Zurücksetzen des VX-Adapters</source>
        <translation>Zurücksetzen des VX-Adapters</translation>
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
        <translation>&amp;Einstellungen öffnen...</translation>
    </message>
    <message>
        <source>Einstellungen speichern...</source>
        <translation>Einstellungen &amp;speichern...</translation>
    </message>
    <message>
        <source>Alte Einstellung importieren...</source>
        <translation>&amp;Alte Einstellung importieren...</translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Masterpasswort ändern...</source>
        <translation>&amp;Masterpasswort ändern...</translation>
    </message>
    <message>
        <source>Zurücksetzen...</source>
        <translation>&amp;Zurücksetzen...</translation>
    </message>
    <message>
        <source>Deutsch</source>
        <translation>&amp;Deutsch</translation>
    </message>
    <message>
        <source>Englisch</source>
        <translation>&amp;Englisch</translation>
    </message>
    <message>
        <source>Masterpasswort</source>
        <translation>Masterpasswort</translation>
    </message>
    <message>
        <source>Ausgeloggt</source>
        <translation>Ausgeloggt</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Login</translation>
    </message>
    <message>
        <source>Schnittstelle</source>
        <translation>Sch&amp;nittstelle</translation>
    </message>
    <message>
        <source>Maximale Zeit der Rufsignalisierung</source>
        <translation>Maximale &amp;Zeit der Rufsignalisierung</translation>
    </message>
    <message>
        <source>Zeit bis zur Rufweiterschaltung</source>
        <translation>Zeit bis zur &amp;Rufweiterschaltung</translation>
    </message>
    <message>
        <source>Wahl ohne warten</source>
        <translation>&amp;Wahl ohne warten</translation>
    </message>
    <message>
        <source>Lesen</source>
        <translation>&amp;Lesen</translation>
    </message>
    <message>
        <source>Schreiben</source>
        <translation>&amp;Schreiben</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>VX-Adapter</source>
        <translation>V&amp;X-Adapter</translation>
    </message>
    <message>
        <source>Sprache</source>
        <translation>S&amp;prache</translation>
    </message>
    <message>
        <source>Bei einem Teilnehmer wurde keine Kelvo-Adresse eingetragen.</source>
        <translation>Bei einem Teilnehmer wurde keine Kelvo-Adresse eingetragen.</translation>
    </message>
    <message>
        <source>Es wurde an verschiedene Teilnehmer die gleiche Kelvo-Adresse vergeben.</source>
        <translation>Es wurde an verschiedene Teilnehmer die gleiche Kelvo-Adresse vergeben.</translation>
    </message>
    <message>
        <source>Bei einem Teilnehmer wurde keine Rufnummer eingetragen.</source>
        <translation>Bei einem Teilnehmer wurde keine Rufnummer eingetragen.</translation>
    </message>
    <message>
        <source>Die Maximale Rufsignalisierung muss größer als die Rufweiterschaltung sein.</source>
        <translation>Die Maximale Rufsignalisierung muss größer als die Rufweiterschaltung sein.</translation>
    </message>
    <message>
        <source>Sie müssen sich einloggen um den VX-Adapter zu konfigurieren.</source>
        <translation>Sie müssen sich einloggen um den VX-Adapter zu konfigurieren.</translation>
    </message>
    <message>
        <source>Kein Passwort oder zu kurzes Passwort eingegeben.</source>
        <translation>Kein Passwort oder zu kurzes Passwort eingegeben.</translation>
    </message>
    <message>
        <source>Die serielle Schnittstelle COMx
konnte nicht geöffnet werden.</source>
        <translation>Die serielle Schnittstelle COMx
konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Die serielle Schnittstelle
konnte nicht geschlossen werden.</source>
        <translation>Die serielle Schnittstelle
konnte nicht geschlossen werden.</translation>
    </message>
    <message>
        <source>Die zu importierenden Daten konnten nicht gelesen werden.</source>
        <translation>Die zu importierenden Daten konnten nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Das Masterpasswort wurde erfolgreich geändert.</source>
        <translation>Das Masterpasswort wurde erfolgreich geändert.</translation>
    </message>
    <message>
        <source>Beim ändern des Masterpassworts trat ein Fehler auf.</source>
        <translation>Beim ändern des Masterpassworts trat ein Fehler auf.</translation>
    </message>
    <message>
        <source>Beim Einloggen trat ein Fehler auf.
Überprüfen Sie das Passwort und versuchen Sie es erneut.</source>
        <translation>Beim Einloggen trat ein Fehler auf.
Überprüfen Sie das Passwort und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Es wurden falsche Daten übertragen oder die Verbindung gestört.</source>
        <translation>Es wurden falsche Daten übertragen oder die Verbindung gestört.</translation>
    </message>
    <message>
        <source>Wollen Sie alle im Gerät gespeicherten Daten löschen?</source>
        <translation>Wollen Sie alle im Gerät gespeicherten Daten löschen?</translation>
    </message>
    <message>
        <source>Konfiguration</source>
        <translation>Konfiguration</translation>
    </message>
    <message>
        <source>Serielle Schnittstelle</source>
        <translation>Serielle Schnittstelle</translation>
    </message>
    <message>
        <source>Die Verbindung über die serielle Schnittstelle %1
wurde unterbrochen (%2).</source>
        <translation>Die Verbindung über die serielle Schnittstelle %1
wurde unterbrochen (%2).</translation>
    </message>
    <message>
        <source>Eingeloggt</source>
        <translation>Eingeloggt</translation>
    </message>
    <message>
        <source>Passwort</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Einloggen</source>
        <translation>Einloggen</translation>
    </message>
    <message>
        <source>VX-Adapter zurücksetzen</source>
        <translation>VX-Adapter zurücksetzen</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Master</translation>
    </message>
    <message>
        <source>Teilnehmer %1</source>
        <translation>Teilnehmer %1</translation>
    </message>
    <message>
        <source>Rufsignalisierung</source>
        <translation>Rufsignalisierung</translation>
    </message>
    <message>
        <source>Maximale Rufweiterschaltung</source>
        <translation>Maximale Rufweiterschaltung</translation>
    </message>
    <message>
        <source>Rufnummer 1</source>
        <translation>Rufnummer 1</translation>
    </message>
    <message>
        <source>Rufnummer 2</source>
        <translation>Rufnummer 2</translation>
    </message>
    <message>
        <source>Status Byte</source>
        <translation>Status Byte</translation>
    </message>
    <message>
        <source>Bus-Adresse</source>
        <translation>Bus-Adresse</translation>
    </message>
    <message>
        <source>Verbindungsfehler</source>
        <translation>Verbindungsfehler</translation>
    </message>
    <message>
        <source>Rufweiterleitung</source>
        <translation>Rufweiterleitung</translation>
    </message>
    <message>
        <source>Eingabefehler</source>
        <translation>Eingabefehler</translation>
    </message>
    <message>
        <source>Datei speichern</source>
        <translation>Datei speichern</translation>
    </message>
    <message>
        <source>Vx-Configuration (*.tml)</source>
        <translation>Vx-Configuration (*.tml)</translation>
    </message>
    <message>
        <source>Datei laden</source>
        <translation>Datei laden</translation>
    </message>
    <message>
        <source>Alte Einstellungen importieren</source>
        <translation>Alte Einstellungen importieren</translation>
    </message>
    <message>
        <source>VXA 2.0 Einstellung (*.cvx)</source>
        <translation>VXA 2.0 Einstellung (*.cvx)</translation>
    </message>
    <message>
        <source>Importieren</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Sicherung wiederherstellen…</source>
        <translation>Sicherung &amp;wiederherstellen…</translation>
    </message>
    <message>
        <source>Drucken…</source>
        <translation>&amp;Drucken…</translation>
    </message>
    <message>
        <source>Als PDF exportieren…</source>
        <translation>Als &amp;PDF exportieren…</translation>
    </message>
    <message>
        <source>Vor dem Schreiben sichern</source>
        <translation>&amp;Vor dem Schreiben sichern</translation>
    </message>
    <message>
        <source>Nach dem Schreiben prüfen</source>
        <translation>&amp;Nach dem Schreiben prüfen</translation>
    </message>
    <message>
        <source>unbenannt</source>
        <translation>unbenannt</translation>
    </message>
    <message>
        <source>Ungesicherte Änderungen</source>
        <translation>Ungesicherte Änderungen</translation>
    </message>
    <message>
        <source>Die Konfiguration wurde geändert.
Möchten Sie die Änderungen speichern?</source>
        <translation>Die Konfiguration wurde geändert.
Möchten Sie die Änderungen speichern?</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht gespeichert werden:
%2
Die Datei ist unverändert.</source>
        <translation>Die Datei %1 konnte nicht gespeichert werden:
%2
Die Datei ist unverändert.</translation>
    </message>
    <message>
        <source>Gespeichert: %1</source>
        <translation>Gespeichert: %1</translation>
    </message>
    <message>
        <source>Geladen: %1</source>
        <translation>Geladen: %1</translation>
    </message>
    <message>
        <source>Diese Werte der Datei kann der VX-Adapter nicht übernehmen. Sie stehen unverändert auf dem Bildschirm; korrigieren Sie sie vor dem Schreiben:</source>
        <translation>Diese Werte der Datei kann der VX-Adapter nicht übernehmen. Sie stehen unverändert auf dem Bildschirm; korrigieren Sie sie vor dem Schreiben:</translation>
    </message>
    <message>
        <source>Als PDF exportieren</source>
        <translation>Als PDF exportieren</translation>
    </message>
    <message>
        <source>PDF-Dokument (*.pdf)</source>
        <translation>PDF-Dokument (*.pdf)</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht geschrieben werden:
%2</source>
        <translation>Die Datei %1 konnte nicht geschrieben werden:
%2</translation>
    </message>
    <message>
        <source>[Unerwartete Antwort des VX-Adapters: %1]
</source>
        <translation>[Unerwartete Antwort des VX-Adapters: %1]
</translation>
    </message>
    <message>
        <source>Ihr Benutzerkonto darf die Schnittstelle nicht benutzen. Lassen Sie es in die Gruppe „dialout“ aufnehmen (sudo adduser $USER dialout) und melden Sie sich danach neu an.</source>
        <translation>Ihr Benutzerkonto darf die Schnittstelle nicht benutzen. Lassen Sie es in die Gruppe „dialout“ aufnehmen (sudo adduser $USER dialout) und melden Sie sich danach neu an.</translation>
    </message>
    <message>
        <source>Es ist keine serielle Schnittstelle geöffnet.
Wählen Sie unter „Schnittstelle“ den Anschluss des VX-Adapters.</source>
        <translation>Es ist keine serielle Schnittstelle geöffnet.
Wählen Sie unter „Schnittstelle“ den Anschluss des VX-Adapters.</translation>
    </message>
    <message>
        <source>Keine Antwort</source>
        <translation>Keine Antwort</translation>
    </message>
    <message>
        <source>Der VX-Adapter an der Schnittstelle %1 antwortet nicht.
Gewartet wurde auf: %2</source>
        <translation>Der VX-Adapter an der Schnittstelle %1 antwortet nicht.
Gewartet wurde auf: %2</translation>
    </message>
    <message>
        <source>Zurücksetzen</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Sicherung: %1</source>
        <translation>Sicherung: %1</translation>
    </message>
    <message>
        <source>Prüfung: %1</source>
        <translation>Prüfung: %1</translation>
    </message>
    <message>
        <source>Die Konfiguration wurde gelesen.</source>
        <translation>Die Konfiguration wurde gelesen.</translation>
    </message>
    <message>
        <source>Die Konfiguration wurde geschrieben.</source>
        <translation>Die Konfiguration wurde geschrieben.</translation>
    </message>
    <message>
        <source>Der VX-Adapter wurde zurückgesetzt.</source>
        <translation>Der VX-Adapter wurde zurückgesetzt.</translation>
    </message>
    <message>
        <source>Die Konfiguration wurde geschrieben und geprüft.</source>
        <translation>Die Konfiguration wurde geschrieben und geprüft.</translation>
    </message>
    <message>
        <source>Prüfung</source>
        <translation>Prüfung</translation>
    </message>
    <message>
        <source>Der VX-Adapter hat nicht alles so gespeichert, wie es geschrieben wurde:</source>
        <translation>Der VX-Adapter hat nicht alles so gespeichert, wie es geschrieben wurde:</translation>
    </message>
    <message>
        <source>Sicherung gespeichert: %1</source>
        <translation>Sicherung gespeichert: %1</translation>
    </message>
    <message>
        <source>Die Sicherung konnte nicht gespeichert werden (%1).</source>
        <translation>Die Sicherung konnte nicht gespeichert werden (%1).</translation>
    </message>
    <message>
        <source>Ohne Sicherung zurücksetzen?</source>
        <translation>Ohne Sicherung zurücksetzen?</translation>
    </message>
    <message>
        <source>Ohne Sicherung schreiben?</source>
        <translation>Ohne Sicherung schreiben?</translation>
    </message>
    <message>
        <source>Sicherung</source>
        <translation>Sicherung</translation>
    </message>
    <message>
        <source>Die Konfiguration des VX-Adapters konnte nicht gesichert werden.</source>
        <translation>Die Konfiguration des VX-Adapters konnte nicht gesichert werden.</translation>
    </message>
    <message>
        <source>Masterpasswort</source>
        <comment>label</comment>
        <translation>&amp;Masterpasswort</translation>
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
        <translation>Schreiben läuft</translation>
    </message>
    <message>
        <source>Der VX-Adapter wird gerade beschrieben. Endet das Schreiben jetzt, hält er eine teilweise geschriebene Konfiguration.</source>
        <translation>Der VX-Adapter wird gerade beschrieben. Endet das Schreiben jetzt, hält er eine teilweise geschriebene Konfiguration.</translation>
    </message>
    <message>
        <source>Abbrechen und beenden</source>
        <translation>Abbrechen und beenden</translation>
    </message>
    <message>
        <source>Weiter schreiben</source>
        <translation>Weiter schreiben</translation>
    </message>
    <message>
        <source>Die Leitung sendet jedes Zeichen zurück; das Echo wird übergangen.</source>
        <translation>Die Leitung sendet jedes Zeichen zurück; das Echo wird übergangen.</translation>
    </message>
    <message>
        <source>Der Bildschirm ist unverändert.</source>
        <translation>Der Bildschirm ist unverändert.</translation>
    </message>
    <message>
        <source>Unlesbare Antwort</source>
        <translation>Unlesbare Antwort</translation>
    </message>
    <message>
        <source>Der VX-Adapter an der Schnittstelle %1 hat etwas geantwortet, das keine Antwort ist.
Gefragt war: %2</source>
        <translation>Der VX-Adapter an der Schnittstelle %1 hat etwas geantwortet, das keine Antwort ist.
Gefragt war: %2</translation>
    </message>
    <message>
        <source>Lesen abgebrochen; der Bildschirm ist unverändert.</source>
        <translation>Lesen abgebrochen; der Bildschirm ist unverändert.</translation>
    </message>
    <message>
        <source>Abgebrochen; in den VX-Adapter wurde nichts geschrieben.</source>
        <translation>Abgebrochen; in den VX-Adapter wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Loggen Sie sich wieder ein und schreiben Sie erneut.</source>
        <translation>Loggen Sie sich wieder ein und schreiben Sie erneut.</translation>
    </message>
    <message>
        <source>Teilweise geschrieben</source>
        <translation>Teilweise geschrieben</translation>
    </message>
    <message>
        <source>Erneut schreiben</source>
        <translation>Erneut schreiben</translation>
    </message>
    <message>
        <source>Sicherung zurückschreiben</source>
        <translation>Sicherung zurückschreiben</translation>
    </message>
    <message>
        <source>So lassen</source>
        <translation>So lassen</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Handbuch</source>
        <comment>menu</comment>
        <translation>&amp;Handbuch</translation>
    </message>
    <message>
        <source>Über vxconfig</source>
        <comment>menu</comment>
        <translation>Ü&amp;ber vxconfig</translation>
    </message>
    <message>
        <source>Über vxconfig</source>
        <translation>Über vxconfig</translation>
    </message>
    <message>
        <source>Richtet einen VX-Adapter über die serielle Schnittstelle ein.</source>
        <translation>Richtet einen VX-Adapter über die serielle Schnittstelle ein.</translation>
    </message>
    <message>
        <source>Lizenz:</source>
        <translation>Lizenz:</translation>
    </message>
    <message>
        <source>GNU General Public License, Version 3 oder später (GPL-3.0-or-later), ohne jede Gewährleistung</source>
        <translation>GNU General Public License, Version 3 oder später (GPL-3.0-or-later), ohne jede Gewährleistung</translation>
    </message>
    <message>
        <source>Qt:</source>
        <translation>Qt:</translation>
    </message>
    <message>
        <source>Sicherungen:</source>
        <translation>Sicherungen:</translation>
    </message>
    <message>
        <source>Handbuch:</source>
        <translation>Handbuch:</translation>
    </message>
    <message>
        <source>nicht gefunden</source>
        <translation>nicht gefunden</translation>
    </message>
    <message>
        <source>Handbuch</source>
        <translation>Handbuch</translation>
    </message>
    <message>
        <source>Das Handbuch wurde nicht gefunden, weder als %1 noch als %2.</source>
        <translation>Das Handbuch wurde nicht gefunden, weder als %1 noch als %2.</translation>
    </message>
    <message>
        <source>Für das Handbuch %1 ist kein Programm eingerichtet, das es öffnet.</source>
        <translation>Für das Handbuch %1 ist kein Programm eingerichtet, das es öffnet.</translation>
    </message>
    <message>
        <source>Zuletzt geöffnet</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>Bearbeiten</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Speichern unter…</source>
        <translation>Speichern &amp;unter…</translation>
    </message>
    <message>
        <source>Rückgängig</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Wiederholen</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Änderungen vor dem Schreiben zeigen</source>
        <translation>&amp;Änderungen vor dem Schreiben zeigen</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Der Bildschirm verglichen mit dem, was der VX-Adapter nach dem letzten Lesen oder Schreiben hält</source>
        <translation>Der Bildschirm verglichen mit dem, was der VX-Adapter nach dem letzten Lesen oder Schreiben hält</translation>
    </message>
    <message>
        <source>Die Datei %1 gibt es schon.
Möchten Sie sie ersetzen?</source>
        <translation>Die Datei %1 gibt es schon.
Möchten Sie sie ersetzen?</translation>
    </message>
    <message>
        <source>Die Zeiten stehen so auf dem Bildschirm; korrigieren Sie sie vor dem Schreiben.</source>
        <translation>Die Zeiten stehen so auf dem Bildschirm; korrigieren Sie sie vor dem Schreiben.</translation>
    </message>
    <message>
        <source>&amp;%1 %2</source>
        <extracomment>A recent file in the menu: its number, its path</extracomment>
        <translation>&amp;%1 %2</translation>
    </message>
    <message>
        <source>%1 (geändert)</source>
        <extracomment>The file on the site sheet when the screen holds changes to it</extracomment>
        <translation>%1 (geändert)</translation>
    </message>
    <message>
        <source>Der VX-Adapter hält schon, was auf dem Bildschirm steht; Schreiben ändert nichts.
Trotzdem schreiben?</source>
        <translation>Der VX-Adapter hält schon, was auf dem Bildschirm steht; Schreiben ändert nichts.
Trotzdem schreiben?</translation>
    </message>
    <message>
        <source>Schreiben ändert im VX-Adapter (bisher → neu):</source>
        <translation>Schreiben ändert im VX-Adapter (bisher → neu):</translation>
    </message>
    <message>
        <source>Änderungen vor dem Schreiben</source>
        <translation>Änderungen vor dem Schreiben</translation>
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
        <translation>Rufnummer 1</translation>
    </message>
    <message>
        <source>Rufnummer 2</source>
        <translation>Rufnummer 2</translation>
    </message>
    <message>
        <source>Rufsignalisierung AUS</source>
        <translation>Rufsignalisierung AUS</translation>
    </message>
    <message>
        <source>Rufnummer 2 vor Rufnummer 1 wählen</source>
        <translation>Rufnummer 2 vor Rufnummer 1 wählen</translation>
    </message>
    <message>
        <source>Alle Teilnehmer auf Master umleiten</source>
        <translation>Alle Teilnehmer auf Master umleiten</translation>
    </message>
    <message>
        <source>Rufweiterschaltung</source>
        <translation>Rufweiterschaltung</translation>
    </message>
</context>
<context>
    <name>PasswordDialog</name>
    <message>
        <source>Passwort eingeben...</source>
        <translation>Passwort eingeben...</translation>
    </message>
    <message>
        <source>Passwort</source>
        <translation>&amp;Passwort</translation>
    </message>
    <message>
        <source>Passwort bestätigen</source>
        <translation>Passwort &amp;bestätigen</translation>
    </message>
</context>
<context>
    <name>ProgressDialog</name>
    <message>
        <source>Fortschritt</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Übertrage Daten:</source>
        <translation>Übertrage Daten:</translation>
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
        <translation>Der VX-Adapter hat %1 abgelehnt.</translation>
    </message>
    <message>
        <source>Der VX-Adapter antwortet nicht (gewartet wurde auf: %1).</source>
        <translation>Der VX-Adapter antwortet nicht (gewartet wurde auf: %1).</translation>
    </message>
    <message>
        <source>Die Antwort des VX-Adapters auf %1 war nicht lesbar.</source>
        <translation>Die Antwort des VX-Adapters auf %1 war nicht lesbar.</translation>
    </message>
    <message>
        <source>Ohne Sicherung wird nicht geschrieben.</source>
        <translation>Ohne Sicherung wird nicht geschrieben.</translation>
    </message>
    <message>
        <source>Abgebrochen.</source>
        <translation>Abgebrochen.</translation>
    </message>
    <message>
        <source>Der VX-Adapter hält jetzt eine teilweise geschriebene Konfiguration: %1 von %2 Werten wurden geschrieben, die übrigen sind die alten.</source>
        <translation>Der VX-Adapter hält jetzt eine teilweise geschriebene Konfiguration: %1 von %2 Werten wurden geschrieben, die übrigen sind die alten.</translation>
    </message>
    <message>
        <source>Es wurde keine Sicherung angelegt.</source>
        <translation>Es wurde keine Sicherung angelegt.</translation>
    </message>
    <message>
        <source>Sicherung: %1</source>
        <translation>Sicherung: %1</translation>
    </message>
</context>
<context>
    <name>SerialHelper</name>
    <message>
        <source>Gerät getrennt</source>
        <translation>Gerät getrennt</translation>
    </message>
    <message>
        <source>Die Schnittstelle %1 wird von einem anderen Programm benutzt.</source>
        <translation>Die Schnittstelle %1 wird von einem anderen Programm benutzt.</translation>
    </message>
</context>
<context>
    <name>SettingsInput</name>
    <message>
        <source>Die Datei %1 konnte nicht gelesen werden.</source>
        <translation>Die Datei %1 konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Diese Werte der Datei kann der VX-Adapter nicht übernehmen:</source>
        <translation>Diese Werte der Datei kann der VX-Adapter nicht übernehmen:</translation>
    </message>
</context>
<context>
    <name>SiteSheet</name>
    <message>
        <source>Das Blatt ließ sich nicht zeichnen.</source>
        <translation>Das Blatt ließ sich nicht zeichnen.</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Master</translation>
    </message>
    <message>
        <source>Teilnehmer %1</source>
        <translation>Teilnehmer %1</translation>
    </message>
    <message>
        <source>Anlagenblatt VX-Adapter</source>
        <translation>Anlagenblatt VX-Adapter</translation>
    </message>
    <message>
        <source>dd.MM.yyyy</source>
        <extracomment>Date format of the sheet, see QDate::toString()</extracomment>
        <translation>dd.MM.yyyy</translation>
    </message>
    <message>
        <source>Stand: %1</source>
        <translation>Stand: %1</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Maximale Zeit der Rufsignalisierung</source>
        <translation>Maximale Zeit der Rufsignalisierung</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Zeit bis zur Rufweiterschaltung</source>
        <translation>Zeit bis zur Rufweiterschaltung</translation>
    </message>
    <message>
        <source>Station, Kelvo-Adresse</source>
        <translation>Station, Kelvo-Adresse</translation>
    </message>
    <message>
        <source>Rufnummern und Optionen</source>
        <translation>Rufnummern und Optionen</translation>
    </message>
    <message>
        <source>DIP-Schalter</source>
        <translation>DIP-Schalter</translation>
    </message>
    <message>
        <source>Rufnummer 1</source>
        <translation>Rufnummer 1</translation>
    </message>
    <message>
        <source>Rufnummer 2</source>
        <translation>Rufnummer 2</translation>
    </message>
    <message>
        <source>Optionen</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>keine</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Mit den DIP-Schaltern nicht einstellbar: Buchstabe A bis I und Nummer 1 bis 27.</source>
        <translation>Mit den DIP-Schaltern nicht einstellbar: Buchstabe A bis I und Nummer 1 bis 27.</translation>
    </message>
    <message numerus="yes">
        <source>Ohne Eintrag: Teilnehmer %1</source>
        <translation>
            <numerusform>Ohne Eintrag: Teilnehmer %1</numerusform>
            <numerusform>Ohne Eintrag: Teilnehmer %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>Seite %1 von %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Richtet einen VX-Adapter über die serielle Schnittstelle ein.</source>
        <translation>Richtet einen VX-Adapter über die serielle Schnittstelle ein.</translation>
    </message>
    <message>
        <source>Eine Konfiguration (.tml) zum Öffnen oder eine alte Einstellung (.cvx) zum Importieren.</source>
        <translation>Eine Konfiguration (.tml) zum Öffnen oder eine alte Einstellung (.cvx) zum Importieren.</translation>
    </message>
    <message>
        <source>vxconfig öffnet nur die erste Datei, %1.
</source>
        <translation>vxconfig öffnet nur die erste Datei, %1.
</translation>
    </message>
</context>
</TS>
