// MainWindow: the XML configuration file, the import of the older settings
// file, recent files, the backups and the site sheet.

#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "backupdialog.h"
#include "backupstore.h"
#include "configurationdocument.h"
#include "configurationxml.h"
#include "inputcheck.h"
#include "legacysettings.h"
#include "safetransfer.h"
#include "sitesheet.h"

#include <QDir>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QSettings>
#include <QStatusBar>

namespace {

constexpr int MaxRecentFiles = 8;

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
    finishTyping();
    if (document()->fileName().isEmpty())
        saveAs();
    else
        saveTo(document()->fileName());
}

void MainWindow::saveAs()
{
    finishTyping();
    const QString current = document()->fileName();
    QString name = QFileDialog::getSaveFileName(this, tr("Datei speichern"),
        current.isEmpty() ? lastFolder(QStringLiteral("save")) : current,
        tr("Vx-Configuration (*.tml)"));
    if (name.isEmpty())
        return;
    rememberFolder(QStringLiteral("save"), name);
    // The open dialog shows *.tml only. The save dialog asked about the name
    // typed, not about this one.
    if (QFileInfo(name).suffix().isEmpty()) {
        name += QLatin1String(".tml");
        if (QFileInfo::exists(name)
            && QMessageBox::question(this, tr("Datei speichern"),
                   tr("Die Datei %1 gibt es schon.\nMöchten Sie sie ersetzen?")
                       .arg(QDir::toNativeSeparators(name)),
                   QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
                != QMessageBox::Yes)
            return;
    }
    saveTo(name);
}

bool MainWindow::saveTo(const QString &name)
{
    QString error;
    if (!ConfigurationXml::save(name, document()->configuration(), &error)) {
        QMessageBox::warning(this, tr("Datei speichern"),
            tr("Die Datei %1 konnte nicht gespeichert werden:\n%2\nDie Datei ist unverändert.")
                .arg(QDir::toNativeSeparators(name), error));
        return false;
    }
    document()->markSaved(name);
    addRecentFile(name);
    statusBar()->showMessage(
        tr("Gespeichert: %1").arg(QDir::toNativeSeparators(name)), StatusMessageMs);
    return true;
}

void MainWindow::serializeImportData()
{
    openConfiguration();
}

void MainWindow::restoreBackup()
{
    if (raiseRunningDialog(Run::None) || !maySetAside())
        return;
    BackupDialog dialog(BackupStore::list(), this);
    if (dialog.exec() == QDialog::Accepted)
        loadConfiguration(dialog.fileName(), Load::Backup);
}

void MainWindow::openConfiguration()
{
    if (raiseRunningDialog(Run::None) || !maySetAside())
        return;
    const QString name = QFileDialog::getOpenFileName(this, tr("Datei laden"),
        lastFolder(QStringLiteral("open")), tr("Vx-Configuration (*.tml)"));
    if (name.isEmpty())
        return;
    rememberFolder(QStringLiteral("open"), name);
    loadConfiguration(name, Load::Open);
}

void MainWindow::serializeImportOldData()
{
    if (raiseRunningDialog(Run::None) || !maySetAside())
        return;
    const QString name = QFileDialog::getOpenFileName(this, tr("Alte Einstellungen importieren"),
        lastFolder(QStringLiteral("import")), tr("VXA 2.0 Einstellung (*.cvx)"));
    if (name.isEmpty())
        return;
    rememberFolder(QStringLiteral("import"), name);
    loadConfiguration(name, Load::Import);
}

bool MainWindow::openPath(const QString &path)
{
    if (raiseRunningDialog(Run::None) || !maySetAside())
        return false;
    const QString name = QFileInfo(path).absoluteFilePath();
    return loadConfiguration(name,
        SettingsFile::formatOf(name) == SettingsFile::Format::Legacy ? Load::Import : Load::Open);
}

bool MainWindow::loadConfiguration(const QString &name, Load how)
{
    // Read whole before anything changes, so a broken file leaves the screen as it was.
    const std::optional<SettingsFileContents> contents
        = how == Load::Import ? LegacySettings::load(name) : ConfigurationXml::load(name);
    if (!contents) {
        showImportFailed();
        return false;
    }
    // A file leaves the values it does not mention as they are on screen; in
    // its order, a later value wins.
    Configuration loaded = document()->configuration();
    for (const ConfigurationChange &change : contents->changes)
        loaded.apply(change);
    switch (how) {
    case Load::Open:
        document()->open(name, loaded);
        addRecentFile(name);
        break;
    case Load::Import:
        // The older file is no file to save into: the screen is an unsaved one.
        document()->importSettings(loaded);
        break;
    case Load::Backup:
        document()->restoreBackup(loaded);
        break;
    }
    statusBar()->showMessage(
        tr("Geladen: %1").arg(QDir::toNativeSeparators(QFileInfo(name).fileName())),
        StatusMessageMs);
    noteLoaded(valueProblemLines(contents->problems));
    return true;
}

void MainWindow::noteLoaded(const QStringList &fileProblems)
{
    const Configuration &shown = document()->configuration();
    const QString times = callTimesFit(shown)
        ? QString()
        : inputProblemText(shown,
            { Configuration::Master, ConfigurationField::MaxCallTime,
                InputProblem::CallTimeOrder });
    if (!fileProblems.isEmpty()) {
        QMessageBox::warning(this, tr("Importieren"),
            tr("Diese Werte der Datei kann der VX-Adapter nicht übernehmen. Sie stehen "
               "unverändert auf dem Bildschirm; korrigieren Sie sie vor dem Schreiben:")
                + QLatin1String("\n\n") + fileProblems.join(QLatin1Char('\n'))
                + (times.isEmpty() ? QString() : QLatin1String("\n\n") + times));
    } else if (!times.isEmpty()) {
        QMessageBox::information(this, tr("Konfiguration"),
            times + QLatin1Char(' ')
                + tr("Die Zeiten stehen so auf dem Bildschirm; korrigieren Sie sie vor dem "
                     "Schreiben."));
    }
}

QString MainWindow::lastFolder(const QString &key)
{
    return settings().value(QLatin1String("folders/") + key, QDir::currentPath()).toString();
}

void MainWindow::rememberFolder(const QString &key, const QString &fileName)
{
    settings().setValue(QLatin1String("folders/") + key, QFileInfo(fileName).absolutePath());
}

void MainWindow::addRecentFile(const QString &fileName)
{
    const QString path = QFileInfo(fileName).absoluteFilePath();
    QStringList files = settings().value(QStringLiteral("recentFiles")).toStringList();
    files.removeAll(path);
    files.prepend(path);
    settings().setValue(QStringLiteral("recentFiles"), files.mid(0, MaxRecentFiles));
    showRecentFiles();
}

void MainWindow::showRecentFiles()
{
    // Anew each time the menu opens: a file moved or deleted since drops out.
    QStringList files = settings().value(QStringLiteral("recentFiles")).toStringList();
    files.removeIf([](const QString &file) { return !QFileInfo::exists(file); });
    QMenu *menu = ui->menuRecentFiles;
    menu->clear();
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString file = files.at(i);
        //: A recent file in the menu: its number, its path
        QAction *action
            = menu->addAction(tr("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(file)), this,
                [this, file] { openPath(file); });
        action->setObjectName(QStringLiteral("actionRecentFile%1").arg(i + 1));
    }
    menu->setEnabled(!files.isEmpty());
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
    // What the adapter holds now, for the status bar, whether the backup is saved or not.
    document()->markAdapterHolds(adapter);
    backupPath = BackupStore::save(
        adapter, { ui->comboPort->currentText(), document()->fileName() }, &error);
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

QString MainWindow::sheetFileName() const
{
    // The sheet names the file only for what the file holds.
    const QString name = document()->fileName();
    if (name.isEmpty() || !document()->isModified())
        return name;
    //: The file on the site sheet when the screen holds changes to it
    return tr("%1 (geändert)").arg(QFileInfo(name).fileName());
}

void MainWindow::printSheet()
{
    finishTyping();
    SiteSheet(document()->configuration(), sheetFileName()).preview(this);
}

void MainWindow::exportSheet()
{
    finishTyping();
    const QString chosen = QFileDialog::getSaveFileName(this, tr("Als PDF exportieren"),
        lastFolder(QStringLiteral("pdf")), tr("PDF-Dokument (*.pdf)"));
    if (chosen.isEmpty())
        return;
    rememberFolder(QStringLiteral("pdf"), chosen);
    const QString path = SiteSheet::withPdfSuffix(chosen);
    QString error;
    if (!SiteSheet(document()->configuration(), sheetFileName()).writePdf(path, &error)) {
        QMessageBox::warning(this, tr("Als PDF exportieren"),
            tr("Die Datei %1 konnte nicht geschrieben werden:\n%2")
                .arg(QDir::toNativeSeparators(path), error));
        return;
    }
    statusBar()->showMessage(
        tr("Gespeichert: %1").arg(QDir::toNativeSeparators(path)), StatusMessageMs);
}
