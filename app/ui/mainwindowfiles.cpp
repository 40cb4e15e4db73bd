// MainWindow: the XML configuration file, the import of the older settings
// file, the backups and the site sheet.

#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "backupdialog.h"
#include "backupstore.h"
#include "configurationxml.h"
#include "legacysettings.h"
#include "safetransfer.h"
#include "sitesheet.h"

#include <QDir>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QMimeData>
#include <QStatusBar>

namespace {

// The one local file of a drag that the window can open, else empty.
QString droppedFile(const QMimeData *data)
{
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1 || !urls.first().isLocalFile())
        return QString();
    const QString name = urls.first().toLocalFile();
    const QString suffix = QFileInfo(name).suffix().toLower();
    return suffix == QLatin1String("tml") || suffix == QLatin1String("cvx") ? name : QString();
}

} // namespace

void MainWindow::serializeExportData()
{
    const QString name = QFileDialog::getSaveFileName(
        this, tr("Datei speichern"), QDir::currentPath(), tr("Vx-Configuration (*.tml)"));
    if (!name.isEmpty())
        saveTo(name);
}

bool MainWindow::saveTo(const QString &name)
{
    QString error;
    if (!ConfigurationXml::save(name, configuration(), &error)) {
        QMessageBox::warning(this, tr("Datei speichern"),
            tr("Die Datei %1 konnte nicht gespeichert werden:\n%2\nDie Datei ist unverändert.")
                .arg(QDir::toNativeSeparators(name), error));
        return false;
    }
    markSaved(name);
    statusBar()->showMessage(
        tr("Gespeichert: %1").arg(QDir::toNativeSeparators(name)), StatusMessageMs);
    return true;
}

void MainWindow::serializeImportData()
{
    openConfiguration(tr("Datei laden"), QDir::currentPath());
}

void MainWindow::restoreBackup()
{
    if (raiseRunningDialog(Run::None) || !maySetAside())
        return;
    BackupDialog dialog(BackupStore::list(), this);
    if (dialog.exec() == QDialog::Accepted)
        loadConfiguration(dialog.fileName());
}

void MainWindow::openConfiguration(const QString &caption, const QString &folder)
{
    if (raiseRunningDialog(Run::None) || !maySetAside())
        return;
    const QString name
        = QFileDialog::getOpenFileName(this, caption, folder, tr("Vx-Configuration (*.tml)"));
    if (!name.isEmpty())
        loadConfiguration(name);
}

void MainWindow::serializeImportOldData()
{
    if (raiseRunningDialog(Run::None) || !maySetAside())
        return;
    const QString name = QFileDialog::getOpenFileName(this, tr("Alte Einstellungen importieren"),
        QDir::currentPath(), tr("VXA 2.0 Einstellung (*.cvx)"));
    if (!name.isEmpty())
        loadConfiguration(name, SettingsFile::Format::Legacy);
}

bool MainWindow::openPath(const QString &path)
{
    if (raiseRunningDialog(Run::None) || !maySetAside())
        return false;
    const QString name = QFileInfo(path).absoluteFilePath();
    return loadConfiguration(name, SettingsFile::formatOf(name));
}

bool MainWindow::loadConfiguration(const QString &name, SettingsFile::Format format)
{
    const bool older = format == SettingsFile::Format::Legacy;
    // Read whole before anything changes, so a broken file leaves the screen as it was.
    const std::optional<SettingsFileContents> contents
        = older ? LegacySettings::load(name) : ConfigurationXml::load(name);
    if (!contents) {
        showImportFailed();
        return false;
    }
    // In the file's order: a later value wins, and each time set runs the
    // call-time check against the other time as it stands at that moment.
    for (const ConfigurationChange &change : contents->changes)
        applyChange(change);
    if (older) {
        // The older file is no file to save into: the screen is an unsaved one.
        markSaved(QString());
        savedConfiguration = Configuration();
        configurationEdited();
    } else {
        markSaved(name);
    }
    statusBar()->showMessage(
        tr("Geladen: %1").arg(QDir::toNativeSeparators(QFileInfo(name).fileName())),
        StatusMessageMs);
    if (!contents->problems.isEmpty())
        QMessageBox::warning(this, tr("Importieren"),
            tr("Diese Werte der Datei kann der VX-Adapter nicht übernehmen. Sie stehen "
               "unverändert auf dem Bildschirm; korrigieren Sie sie vor dem Schreiben:")
                + QLatin1String("\n\n")
                + valueProblemLines(contents->problems).join(QLatin1Char('\n')));
    return true;
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (!droppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent *event)
{
    const QString name = droppedFile(event->mimeData());
    if (name.isEmpty())
        return;
    event->acceptProposedAction();
    // Not inside the drop: the file manager waits for it to end, and the
    // question about unsaved changes may come first.
    QMetaObject::invokeMethod(
        this, [this, name] { openPath(name); }, Qt::QueuedConnection);
}

void MainWindow::showImportFailed()
{
    QMessageBox::information(this, tr("Importieren"), messageImportFailed);
}

bool MainWindow::saveBackup(const Configuration &adapter)
{
    QString error;
    backupPath = BackupStore::save(adapter, { ui->comboPort->currentText(), fileName }, &error);
    if (backupPath.isEmpty()) {
        backupError = error;
        return false;
    }
    statusBar()->showMessage(tr("Sicherung gespeichert: %1").arg(backupPath), StatusMessageMs);
    return true;
}

bool MainWindow::confirmWithoutBackup(int why, const QString &what)
{
    const QString reason = why == SafeTransfer::BackupNotSaved
        ? tr("Die Sicherung konnte nicht gespeichert werden (%1).").arg(backupError)
        : SafeTransfer::describe(why == SafeTransfer::BackupRefused ? Exchange::Refused
                : why == SafeTransfer::BackupUnreadable             ? Exchange::Unreadable
                                                                    : Exchange::NotAnswered,
            what);
    const QString question
        = run == Run::Reset ? tr("Ohne Sicherung zurücksetzen?") : tr("Ohne Sicherung schreiben?");
    return QMessageBox::question(this, tr("Sicherung"),
               tr("Die Konfiguration des VX-Adapters konnte nicht gesichert werden.")
                   + QLatin1Char('\n') + reason + QLatin1String("\n\n") + question,
               QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        == QMessageBox::Yes;
}

void MainWindow::printSheet()
{
    SiteSheet(configuration(), fileName).preview(this);
}

void MainWindow::exportSheet()
{
    const QString chosen = QFileDialog::getSaveFileName(
        this, tr("Als PDF exportieren"), QDir::currentPath(), tr("PDF-Dokument (*.pdf)"));
    if (chosen.isEmpty())
        return;
    const QString path = SiteSheet::withPdfSuffix(chosen);
    QString error;
    if (!SiteSheet(configuration(), fileName).writePdf(path, &error)) {
        QMessageBox::warning(this, tr("Als PDF exportieren"),
            tr("Die Datei %1 konnte nicht geschrieben werden:\n%2")
                .arg(QDir::toNativeSeparators(path), error));
        return;
    }
    statusBar()->showMessage(
        tr("Gespeichert: %1").arg(QDir::toNativeSeparators(path)), StatusMessageMs);
}
