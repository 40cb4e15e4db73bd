<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="de_DE">
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
        <translation>Kelvo call address</translation>
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
</context>
<context>
    <name>DiagnosticWidget</name>
    <message>
        <source>VX-Adapter Diagnose</source>
        <translation>VX-Adapter diagnostics</translation>
    </message>
    <message>
        <source>Verlauf löschen</source>
        <translation>Clear history</translation>
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
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>VX-Adapter Software</source>
        <translation>VX-Adapter Software</translation>
    </message>
    <message>
        <source>Einstellungen öffnen...</source>
        <translation>Open settings...</translation>
    </message>
    <message>
        <source>Einstellungen speichern...</source>
        <translation>Save settings...</translation>
    </message>
    <message>
        <source>Alte Einstellung importieren...</source>
        <translation>Import old settings...</translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Masterpasswort ändern...</source>
        <translation>Change master password...</translation>
    </message>
    <message>
        <source>Zurücksetzen...</source>
        <translation>Reset...</translation>
    </message>
    <message>
        <source>Deutsch</source>
        <translation>German</translation>
    </message>
    <message>
        <source>Englisch</source>
        <translation>English</translation>
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
        <translation>Port</translation>
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
        <source>Wahl ohne warten</source>
        <translation>Dial without waiting</translation>
    </message>
    <message>
        <source>Lesen</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>Schreiben</source>
        <translation>Write</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>File</translation>
    </message>
    <message>
        <source>VX-Adapter</source>
        <translation>VX-Adapter</translation>
    </message>
    <message>
        <source>Sprache</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Bei einem Teilnehmer wurde keine Kelvo-Adresse eingetragen.</source>
        <translation>No Kelvo address was entered for an attendee.</translation>
    </message>
    <message>
        <source>Es wurde an verschiedene Teilnehmer die gleiche Kelvo-Adresse vergeben.</source>
        <translation>The same Kelvo address was given to different attendees.</translation>
    </message>
    <message>
        <source>Bei einem Teilnehmer wurde keine Rufnummer eingetragen.</source>
        <translation>No call number was entered for an attendee.</translation>
    </message>
    <message>
        <source>Die Maximale Rufsignalisierung muss größer als die Rufweiterschaltung sein.</source>
        <translation>The maximum call signalling time must be greater than the call forwarding time.</translation>
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
        <source>Logout</source>
        <translation>Logout</translation>
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
        <translation>Call signalling</translation>
    </message>
    <message>
        <source>Maximale Rufweiterschaltung</source>
        <translation>Maximum call forwarding</translation>
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
        <translation>Call redirection</translation>
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
        <source>Die Datei %1 konnte nicht gespeichert werden.</source>
        <translation>The file %1 could not be saved.</translation>
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
        <translation>Password</translation>
    </message>
    <message>
        <source>Passwort bestätigen</source>
        <translation>Confirm password</translation>
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
    <name>SerialHelper</name>
    <message>
        <source>Die Schnittstelle %1 ist nicht mehr erreichbar.</source>
        <translation>The port %1 can no longer be reached.</translation>
    </message>
</context>
<context>
    <name>SiteSheet</name>
    <message>
        <source>Das Blatt ließ sich nicht zeichnen.</source>
        <translation>The sheet could not be drawn.</translation>
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
        <source>Auf Master umleiten</source>
        <translation>Redirect to master</translation>
    </message>
    <message>
        <source>Alle Teilnehmer auf Master umleiten</source>
        <translation>Redirect all attendees to master</translation>
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
        <translation>Station, Kelvo address</translation>
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
</TS>
