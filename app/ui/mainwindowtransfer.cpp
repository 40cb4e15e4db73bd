// MainWindow: reading, writing and resetting the adapter with their progress
// dialog, and the input check before a write.

#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "attendeewidget.h"
#include "configurationdiff.h"
#include "configurationdocument.h"
#include "configurationtext.h"
#include "configurationxml.h"
#include "inputcheck.h"
#include "progressdialog.h"
#include "safetransfer.h"

#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>

void MainWindow::setupTransfer()
{
    transfer = new SafeTransfer(exchange, session, this);

    // Each switch as last left, and remembered when changed.
    const auto remember = [this](QAction *action, const QString &key, auto apply) {
        const bool on = settings().value(key, true).toBool();
        action->setChecked(on);
        apply(on);
        connect(action, &QAction::toggled, this, [key, apply](bool checked) {
            settings().setValue(key, checked);
            apply(checked);
        });
    };
    remember(ui->actionBackupBeforeWrite, QStringLiteral("backupBeforeWrite"),
        [this](bool on) { transfer->setBackupEnabled(on); });
    remember(ui->actionVerifyAfterWrite, QStringLiteral("verifyAfterWrite"),
        [this](bool on) { transfer->setVerifyEnabled(on); });
    remember(ui->actionShowChangesBeforeWrite, QStringLiteral("showChangesBeforeWrite"),
        [this](bool on) {
            transfer->setConfirmChanges(on
                    ? SafeTransfer::ConfirmChanges(
                        [this](const Configuration &adapter) { return confirmChanges(adapter); })
                    : nullptr);
        });

    transfer->setSaveBackup([this](const Configuration &adapter) { return saveBackup(adapter); });
    transfer->setConfirmWithoutBackup([this](SafeTransfer::BackupFailure why, const QString &what) {
        return confirmWithoutBackup(why, what);
    });
    connect(transfer, &SafeTransfer::progress, this, &MainWindow::showProgress);
    // All values at once or none: a read that fails leaves the screen as it was.
    connect(transfer, &SafeTransfer::received, document(), &ConfigurationDocument::read);
    connect(transfer, &SafeTransfer::verified, this, &MainWindow::showVerifyResult);
    connect(transfer, &SafeTransfer::finished, this, &MainWindow::runFinished);
    connect(transfer, &SafeTransfer::failed, this, &MainWindow::runFailed);
}

void MainWindow::transmitClicked()
{
    if (raiseRunningDialog(Run::Write))
        return;
    if (!isLoggedIn()) {
        QMessageBox::information(this, tr("Einloggen"), messageLoginRequired);
        return;
    }
    // A time still being typed counts; one the rule corrected is looked at first.
    if (finishTyping() && validateAttendees())
        startRun(Run::Write, document()->configuration());
}

void MainWindow::requestClicked()
{
    if (raiseRunningDialog(Run::Read))
        return;
    if (!isLoggedIn()) {
        QMessageBox::information(this, tr("Einloggen"), messageLoginRequired);
        return;
    }
    // No question first: the read is a step that undo takes back.
    startRun(Run::Read);
}

void MainWindow::actionResetDevice()
{
    if (raiseRunningDialog(Run::None))
        return;
    // Enter must not wipe the adapter.
    const auto answer = QMessageBox::question(this, tr("VX-Adapter zurücksetzen"),
        messageResetQuestion, QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer == QMessageBox::Yes && requirePort())
        startRun(Run::Reset);
}

bool MainWindow::raiseRunningDialog(Run wanted)
{
    // Starting the same kind again restarts it; anything else waits its turn,
    // also a run that was cancelled and waits for the answer still in flight.
    if (run == Run::None || (run == wanted && wanted != Run::Reset && progressDialog))
        return false;
    if (progressDialog) {
        progressDialog->show();
        progressDialog->raise();
        progressDialog->activateWindow();
    }
    return true;
}

void MainWindow::startRun(Run next, const Configuration &toWrite)
{
    closeProgressDialog();
    run = next;
    // A backup belongs to the run that made it.
    backupPath.clear();
    writeVerified = false;
    auto *dialog = new ProgressDialog(this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setProgressRange(0, ReceiveSequence::RequestCount);
    connect(dialog, &QDialog::rejected, this, &MainWindow::cancelRun);
    dialog->show();
    progressDialog = dialog;

    if (next == Run::Read) {
        transfer->read();
    } else if (next == Run::Write) {
        writing = toWrite;
        transfer->write(toWrite);
    } else {
        transfer->reset();
    }
}

void MainWindow::closeProgressDialog()
{
    if (progressDialog) {
        // Closing by hand is no cancel.
        progressDialog->disconnect(this);
        progressDialog->close();
    }
}

void MainWindow::cancelRun()
{
    transfer->interrupt();
}

void MainWindow::showProgress(int phase, int entry, ConfigurationField field, int step, int total)
{
    if (!progressDialog)
        return;
    const bool writing = phase == SafeTransfer::Transmit;
    QString text;
    if (phase == SafeTransfer::Reset) {
        text = tr("Zurücksetzen");
    } else if (field == ConfigurationField::MaxCallTime) {
        text = writing ? tr("Maximale Rufweiterschaltung") : tr("Rufweiterleitung");
    } else if (field == ConfigurationField::CallRedirectTime) {
        text = tr("Rufsignalisierung");
    } else {
        const QString item = field == ConfigurationField::CallNumber1 ? tr("Rufnummer 1")
            : field == ConfigurationField::CallNumber2                ? tr("Rufnummer 2")
            : field == ConfigurationField::StatusByte                 ? tr("Status Byte")
                                                                      : tr("Bus-Adresse");
        const QString name
            = entry == Configuration::Master ? tr("Master") : tr("Teilnehmer %1").arg(entry);
        text = name + QLatin1String(" -> ") + item;
    }
    if (phase == SafeTransfer::Backup)
        text = tr("Sicherung: %1").arg(text);
    else if (phase == SafeTransfer::Verify)
        text = tr("Prüfung: %1").arg(text);
    progressDialog->setProgressRange(0, total);
    progressDialog->setCurrentProgress(step);
    progressDialog->setCurrentProcess(text);
}

void MainWindow::runFinished()
{
    const Run finished = std::exchange(run, Run::None);
    closeProgressDialog();
    switch (finished) {
    case Run::Read:
        statusBar()->showMessage(tr("Die Konfiguration wurde gelesen."), StatusMessageMs);
        noteLoaded();
        break;
    case Run::Write:
        if (!writeVerified) {
            document()->markAdapterHolds(transfer->transmitSequence()->sent());
            statusBar()->showMessage(tr("Die Konfiguration wurde geschrieben."), StatusMessageMs);
        }
        break;
    case Run::Reset:
        document()->resetScreen();
        // Whatever the adapter holds after its reset, it is no longer what was read.
        document()->forgetAdapter();
        statusBar()->showMessage(tr("Der VX-Adapter wurde zurückgesetzt."), StatusMessageMs);
        break;
    case Run::None:
        break;
    }
}

void MainWindow::runFailed(int phase, int reason, const QString &what)
{
    const auto failure = Exchange::Failure(reason);
    const Run ended = std::exchange(run, Run::None);
    statusBar()->clearMessage();
    if (const std::optional<int> written = transfer->partlyWritten()) {
        closeProgressDialog();
        document()->markPartlyWritten();
        showPartlyWritten(*written, SafeTransfer::describe(failure, what));
        return;
    }
    // A read that fails changes nothing on screen; its message says so.
    const QString unchanged = ended == Run::Read
        ? QLatin1String("\n\n") + tr("Der Bildschirm ist unverändert.")
        : QString();
    switch (failure) {
    case Exchange::Refused:
        // The dialog keeps its last step, which tells what was refused.
        QMessageBox::information(this, tr("Verbindungsfehler"), messageTransferFailed + unchanged);
        return;
    case Exchange::NotAnswered:
        closeProgressDialog();
        adapterSilent(what, unchanged);
        return;
    case Exchange::Unreadable:
        closeProgressDialog();
        adapterUnreadable(what, unchanged);
        return;
    case Exchange::Interrupted:
        closeProgressDialog();
        statusBar()->showMessage(phase == SafeTransfer::Read
                ? tr("Lesen abgebrochen; der Bildschirm ist unverändert.")
                : tr("Abgebrochen; in den VX-Adapter wurde nichts geschrieben."),
            StatusMessageMs);
        return;
    case Exchange::Declined:
        closeProgressDialog();
        return;
    }
}

void MainWindow::showPartlyWritten(int written, const QString &cause)
{
    QString text
        = cause + QLatin1String("\n\n") + SafeTransfer::describePartlyWritten(written, backupPath);
    // Writing again takes a login; after a lost line there is none.
    const bool canWrite = isLoggedIn();
    if (!canWrite)
        text += QLatin1String("\n\n") + tr("Loggen Sie sich wieder ein und schreiben Sie erneut.");
    QMessageBox box(
        QMessageBox::Warning, tr("Teilweise geschrieben"), text, QMessageBox::NoButton, this);
    box.setObjectName(QStringLiteral("partlyWrittenBox"));
    QPushButton *again = nullptr;
    QPushButton *restore = nullptr;
    if (canWrite) {
        again = box.addButton(tr("Erneut schreiben"), QMessageBox::AcceptRole);
        if (!backupPath.isEmpty())
            restore = box.addButton(tr("Sicherung zurückschreiben"), QMessageBox::ActionRole);
    }
    box.setDefaultButton(box.addButton(tr("So lassen"), QMessageBox::RejectRole));
    box.exec();
    if (again && box.clickedButton() == again) {
        startRun(Run::Write, writing);
        return;
    }
    if (!restore || box.clickedButton() != restore)
        return;
    const std::optional<SettingsFileContents> backup = ConfigurationXml::load(backupPath);
    if (!backup) {
        showImportFailed();
        return;
    }
    Configuration configuration;
    for (const ConfigurationChange &change : backup->changes)
        configuration.apply(change);
    startRun(Run::Write, configuration);
}

void MainWindow::showVerifyResult(const Configuration &written, const Configuration &read)
{
    closeProgressDialog();
    writeVerified = true;
    document()->markAdapterHolds(read);
    const QList<ConfigurationDifference> differences = configurationDifferences(written, read);
    if (differences.isEmpty()) {
        statusBar()->showMessage(
            tr("Die Konfiguration wurde geschrieben und geprüft."), StatusMessageMs);
        return;
    }
    QMessageBox::warning(this, tr("Prüfung"),
        tr("Der VX-Adapter hat nicht alles so gespeichert, wie es geschrieben wurde:")
            + QLatin1String("\n\n") + differenceLines(differences).join(QLatin1Char('\n')));
}

bool MainWindow::confirmChanges(const Configuration &adapter)
{
    const QList<ConfigurationDifference> differences = configurationDifferences(writing, adapter);
    const QStringList all = changeLines(differences);
    const QStringList changes = ConfigurationText::limited(all);
    const QString text = changes.isEmpty()
        ? tr("Der VX-Adapter hält schon, was auf dem Bildschirm steht; Schreiben ändert nichts.\n"
             "Trotzdem schreiben?")
        : tr("Schreiben ändert im VX-Adapter (bisher → neu):") + QLatin1String("\n\n")
            + changes.join(QLatin1Char('\n'));
    QMessageBox box(QMessageBox::Question, tr("Änderungen vor dem Schreiben"), text,
        QMessageBox::NoButton, this);
    box.setObjectName(QStringLiteral("changesBeforeWriteBox"));
    // All of them behind "Details", when the list had to be cut short.
    if (changes != all)
        box.setDetailedText(all.join(QLatin1Char('\n')));
    QPushButton *write = box.addButton(tr("Schreiben"), QMessageBox::AcceptRole);
    // Enter, Escape and closing the box write nothing.
    box.setDefaultButton(box.addButton(QMessageBox::Cancel));
    box.exec();
    return box.clickedButton() == write;
}

bool MainWindow::validateAttendees()
{
    const std::optional<InputProblem> problem = firstInputProblem(document()->configuration());
    if (!problem)
        return true;
    showInputProblem(*problem);
    return false;
}

void MainWindow::showInputProblem(const InputProblem &problem)
{
    QString message;
    switch (problem.rule) {
    case InputProblem::MissingCallNumber:
        message = messageNoCallNumber;
        break;
    case InputProblem::MissingBusAddress:
        message = messageNoBusAddress;
        break;
    case InputProblem::DuplicateBusAddress:
        message = messageDuplicateBusAddress;
        break;
    case InputProblem::CallTimeOrder:
        message = messageCallTimeOrder;
        break;
    case InputProblem::MalformedCallNumber:
    case InputProblem::MalformedBusAddress:
        message = inputProblemText(document()->configuration(), problem);
        break;
    }
    QMessageBox::information(this, tr("Eingabefehler"), message);

    // After the box, so that closing it does not take the focus back.
    if (problem.rule == InputProblem::CallTimeOrder) {
        ui->spinMaxCall->setFocus();
        return;
    }
    QLineEdit *editor = panel(problem.entry)->editor(problem.field);
    ui->listWidget->scrollToItem(ui->listWidget->item(problem.entry));
    editor->setFocus();
    if (problem.rule == InputProblem::DuplicateBusAddress)
        editor->selectAll();
}
