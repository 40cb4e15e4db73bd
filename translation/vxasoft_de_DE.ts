<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="de_DE">
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
</context>
<context>
    <name>DiagnosticWidget</name>
    <message>
        <source>VX-Adapter Diagnose</source>
        <translation>VX-Adapter Diagnose</translation>
    </message>
    <message>
        <source>Verlauf löschen</source>
        <translation>Verlauf löschen</translation>
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
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>VX-Adapter Software</source>
        <translation>VX-Adapter Software</translation>
    </message>
    <message>
        <source>Einstellungen öffnen...</source>
        <translation>Einstellungen öffnen...</translation>
    </message>
    <message>
        <source>Einstellungen speichern...</source>
        <translation>Einstellungen speichern...</translation>
    </message>
    <message>
        <source>Alte Einstellung importieren...</source>
        <translation>Alte Einstellung importieren...</translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Masterpasswort ändern...</source>
        <translation>Masterpasswort ändern...</translation>
    </message>
    <message>
        <source>Zurücksetzen...</source>
        <translation>Zurücksetzen...</translation>
    </message>
    <message>
        <source>Deutsch</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>Englisch</source>
        <translation>Englisch</translation>
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
        <translation>Schnittstelle</translation>
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
        <source>Wahl ohne warten</source>
        <translation>Wahl ohne warten</translation>
    </message>
    <message>
        <source>Lesen</source>
        <translation>Lesen</translation>
    </message>
    <message>
        <source>Schreiben</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>VX-Adapter</source>
        <translation>VX-Adapter</translation>
    </message>
    <message>
        <source>Sprache</source>
        <translation>Sprache</translation>
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
        <source>Logout</source>
        <translation>Logout</translation>
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
        <source>Die Datei %1 konnte nicht gespeichert werden.</source>
        <translation>Die Datei %1 konnte nicht gespeichert werden.</translation>
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
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Passwort bestätigen</source>
        <translation>Passwort bestätigen</translation>
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
    <name>SerialHelper</name>
    <message>
        <source>Die Schnittstelle %1 ist nicht mehr erreichbar.</source>
        <translation>Die Schnittstelle %1 ist nicht mehr erreichbar.</translation>
    </message>
</context>
<context>
    <name>SiteSheet</name>
    <message>
        <source>Das Blatt ließ sich nicht zeichnen.</source>
        <translation>Das Blatt ließ sich nicht zeichnen.</translation>
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
        <source>Auf Master umleiten</source>
        <translation>Auf Master umleiten</translation>
    </message>
    <message>
        <source>Alle Teilnehmer auf Master umleiten</source>
        <translation>Alle Teilnehmer auf Master umleiten</translation>
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
</TS>
