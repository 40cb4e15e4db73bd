// Settings files: the XML configuration (save and load) and the import of the
// older INI settings file. The values go through the roster accessors.

#include "mainwindow.h"

#include "configurationxml.h"
#include "legacysettings.h"
#include "ui_mainwindow.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

void MainWindow::serializeExportData()
{
    const QString fileName = QFileDialog::getSaveFileName(
        this, tr("Datei speichern"), QDir::currentPath(), tr("Vx-Configuration (*.tml)"));
    if (fileName.isEmpty())
        return;

    ConfigurationXml::Values values;
    values.maxCallTime = ui->spinMaxCall->value();
    values.callRedirectTime = ui->spinRedirect->value();
    for (int n = 0; n < int(values.entries.size()); ++n) {
        ConfigurationXml::Entry &entry = values.entries[n];
        entry.callNumber1 = callNumber(n, 1);
        entry.callNumber2 = callNumber(n, 2);
        entry.busAddress = busAddress(n);
        entry.statusByte = statusByte(n);
    }
    if (!ConfigurationXml::writeFile(fileName, values))
        QMessageBox::warning(this, tr("Datei speichern"),
            tr("Die Datei %1 konnte nicht gespeichert werden.")
                .arg(QDir::toNativeSeparators(fileName)));
}

void MainWindow::serializeImportData()
{
    const QString fileName = QFileDialog::getOpenFileName(
        this, tr("Datei laden"), QDir::currentPath(), tr("Vx-Configuration (*.tml)"));
    if (fileName.isEmpty())
        return;

    // The whole file is read before anything changes, so a broken one leaves the
    // screen as it was.
    const std::optional<QList<ConfigurationXml::Change>> changes
        = ConfigurationXml::readFile(fileName);
    if (!changes) {
        showImportFailed();
        return;
    }
    // In document order: a later value wins, and each time set runs the call-time
    // check against the other time as it stands at that moment.
    for (const ConfigurationXml::Change &change : *changes) {
        static const ConfigurationField fields[]
            = { ConfigurationField::MaxCallTime, ConfigurationField::CallRedirectTime,
                  ConfigurationField::CallNumber1, ConfigurationField::CallNumber2,
                  ConfigurationField::BusAddress, ConfigurationField::StatusByte };
        applyChange({ fields[change.field], change.entry, change.text, change.number });
    }
}

void MainWindow::serializeImportOldData()
{
    const QString fileName
        = QFileDialog::getOpenFileName(this, tr("Alte Einstellungen importieren"),
            QDir::currentPath(), tr("VXA 2.0 Einstellung (*.cvx)"));
    if (fileName.isEmpty())
        return;

    const std::optional<LegacySettings> settings = LegacySettings::readFile(fileName);
    if (!settings) {
        showImportFailed();
        return;
    }
    // The maximum call time goes first, as the older program did it; the call-time
    // check may then correct it against the redirect time still on screen.
    ui->spinMaxCall->setValue(settings->maxCallTime);
    ui->spinRedirect->setValue(settings->callRedirectTime);
    setCallNumber(0, settings->masterCallNumber1, 1);
    setCallNumber(0, settings->masterCallNumber2, 2);
    setStatusByte(0, settings->masterStatusBits);
    for (int n = 1; n <= int(settings->attendees.size()); ++n) {
        const LegacySettings::Attendee &attendee = settings->attendees[n - 1];
        setCallNumber(n, attendee.callNumber1, 1);
        setCallNumber(n, attendee.callNumber2, 2);
        setBusAddress(n, attendee.busAddress);
        // The file has no extended-functions bit; that box keeps its state.
        const byte kept = statusByte(n) & ~LegacySettings::AttendeeStatusMask;
        setStatusByte(n, byte(kept | attendee.statusBits));
    }
}

void MainWindow::showImportFailed()
{
    QMessageBox::information(this, tr("Importieren"), messageImportFailed);
}
