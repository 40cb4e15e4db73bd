#include "adapterjob.h"

#include "backupstore.h"
#include "configurationtext.h"
#include "console.h"
#include "signalwatch.h"

#include <QDir>

AdapterJob::AdapterJob(Console &console, QObject *parent)
    : QObject(parent)
    , m_console(console)
{
    connect(&m_session, &LoginSession::loggedInChanged, this, [this](bool in) {
        if (in)
            loggedIn();
    });
    connect(&m_session, &LoginSession::loginRefused, this, [this] {
        finish(ExitCode::LoginRefused, tr("Der VX-Adapter hat das Passwort nicht angenommen."));
    });
    connect(&m_session, &LoginSession::failed, this,
        [this](Exchange::Failure failure, const QString &what) {
            finish(failure == Exchange::Unreadable ? ExitCode::Unreadable : ExitCode::NoAnswer,
                SafeTransfer::describe(failure, what));
        });
    connect(&m_link, &SerialHelper::lineEchoes, this, [this] {
        m_console.note(tr("Die Leitung sendet jedes Zeichen zurück; das Echo wird übergangen."));
    });
    connect(&m_link, &SerialHelper::ReceivePortFailure, this, [this](const QString &reason) {
        finish(ExitCode::PortFailed,
            tr("Die serielle Schnittstelle %1 ist ausgefallen: %2").arg(m_port, reason));
    });

    connect(&m_transfer, &SafeTransfer::progress, this, &AdapterJob::showProgress);
    connect(&m_transfer, &SafeTransfer::verified, this,
        [this](const Configuration &written, const Configuration &read) {
            m_differences = configurationDifferences(written, read);
            m_verified = true;
        });
    connect(&m_transfer, &SafeTransfer::finished, this, [this] {
        if (m_task == Read)
            m_received = m_transfer.receiveSequence()->received();
        finish(ExitCode::Done);
    });
    connect(&m_transfer, &SafeTransfer::failed, this,
        [this](auto, Exchange::Failure failure, const QString &what) {
            transferFailed(failure, what);
        });
    m_transfer.setSaveBackup([this](const Configuration &adapter) { return saveBackup(adapter); });
    m_transfer.setConfirmWithoutBackup(
        [this](SafeTransfer::BackupFailure why, const QString &what) {
            return refuseWithoutBackup(why, what);
        });
}

ExitCode AdapterJob::run(
    Task task, const QString &port, const QString &password, const Configuration &configuration)
{
    m_task = task;
    m_port = port;
    m_configuration = configuration;
    m_outcome.reset();
    m_differences.clear();
    m_backupPath.clear();
    m_signal = 0;
    m_verified = false;
    m_link.SetComPort(port);
    if (!m_link.OpenCommunication()) {
        m_console.error(
            tr("Die serielle Schnittstelle %1 konnte nicht geöffnet werden.").arg(port));
        m_console.error(m_link.errorString());
        return ExitCode::PortFailed;
    }
    {
        // Past the run, a signal takes its usual course: the logout waits at
        // most for the answer time.
        SignalWatch watch;
        connect(&watch, &SignalWatch::caught, this, &AdapterJob::interrupt);
        // What the line still holds (the answer to the last run's logout) would
        // pass for the answer to this login.
        m_link.ResetCommunication();
        m_session.login(password);
        if (!m_outcome)
            m_loop.exec();
    }
    m_transfer.cancel();
    reportWrite();
    logOut();
    m_link.CloseCommunication();
    return *m_outcome;
}

void AdapterJob::interrupt(int signal)
{
    const bool again = m_signal != 0;
    if (!again)
        m_signal = signal;
    const bool commandInFlight
        = m_transfer.isRunning() || m_session.pendingCommand() == LoginSession::PendingLogin;
    if (again || !commandInFlight) {
        finish(ExitCode::Signalled, tr("Abgebrochen."));
        return;
    }
    m_console.note(tr("Abbruch: der Befehl, der gerade läuft, wird noch beendet."));
    m_transfer.interrupt();
}

void AdapterJob::transferFailed(Exchange::Failure failure, const QString &what)
{
    switch (failure) {
    case Exchange::Refused:
        finish(ExitCode::TransferRefused, SafeTransfer::describe(failure, what));
        return;
    case Exchange::NotAnswered:
        finish(ExitCode::NoAnswer, SafeTransfer::describe(failure, what));
        return;
    case Exchange::Unreadable:
        finish(ExitCode::Unreadable, SafeTransfer::describe(failure, what));
        return;
    case Exchange::Declined:
        finish(m_backupFailure,
            tr("Ohne Sicherung wird nicht geschrieben; mit --no-backup wird ohne Sicherung "
               "geschrieben."));
        return;
    case Exchange::Interrupted:
        finish(ExitCode::Signalled, tr("Abgebrochen."));
        return;
    }
}

void AdapterJob::reportWrite()
{
    if (m_task != Write)
        return;
    const std::optional<int> written = m_transfer.written();
    if (const std::optional<int> partly = m_transfer.partlyWritten()) {
        m_console.error(SafeTransfer::describePartlyWritten(*partly, m_backupPath));
        // A refusal or a stop keeps its own code; the line's faults say "partly".
        if (*m_outcome == ExitCode::NoAnswer || *m_outcome == ExitCode::Unreadable
            || *m_outcome == ExitCode::PortFailed)
            m_outcome = ExitCode::PartlyWritten;
    } else if (m_signal && !written) {
        m_console.error(tr("In den VX-Adapter wurde nichts geschrieben."));
    } else if (m_signal) {
        m_console.error(m_verified
                ? tr("Die Konfiguration wurde ganz geschrieben und geprüft.")
                : tr("Die Konfiguration wurde ganz geschrieben, aber nicht geprüft."));
    }
}

void AdapterJob::logOut()
{
    if (!m_session.isLoggedIn())
        return;
    // Waiting for an adapter that does not answer would only hold up the script.
    if (*m_outcome == ExitCode::NoAnswer || *m_outcome == ExitCode::PortFailed
        || *m_outcome == ExitCode::PartlyWritten) {
        m_session.logoutOnClose();
        return;
    }
    // Awaited, so that the adapter is logged out for sure and its answer
    // does not wait on the line for the next run.
    QEventLoop answered;
    const auto settled = [this, &answered] {
        if (m_session.pendingCommand() == LoginSession::PendingNone)
            answered.quit();
    };
    connect(&m_exchange, &Exchange::answered, &answered, settled);
    connect(&m_session, &LoginSession::failed, &answered, settled);
    m_session.logout();
    answered.exec();
}

void AdapterJob::loggedIn()
{
    if (m_signal)
        finish(ExitCode::Signalled, tr("Abgebrochen."));
    else if (m_task == Read)
        m_transfer.read();
    else
        m_transfer.write(m_configuration);
}

void AdapterJob::showProgress(
    SafeTransfer::Phase phase, int entry, ConfigurationField field, int step, int total)
{
    QString doing;
    switch (phase) {
    case SafeTransfer::Backup:
        doing = tr("Sicherung");
        break;
    case SafeTransfer::Transmit:
        doing = tr("Schreiben");
        break;
    case SafeTransfer::Verify:
        doing = tr("Prüfung");
        break;
    default:
        doing = tr("Lesen");
        break;
    }
    //: "Sicherung: Rufnummer 1 von Master"
    m_console.progress(
        step, total, tr("%1: %2").arg(doing, ConfigurationText::valueName(entry, field)));
}

bool AdapterJob::saveBackup(const Configuration &adapter)
{
    m_backupPath = BackupStore::save(adapter, { m_port, m_inputFile }, &m_backupError);
    if (m_backupPath.isEmpty())
        return false;
    m_console.note(tr("Sicherung gespeichert: %1").arg(QDir::toNativeSeparators(m_backupPath)));
    return true;
}

bool AdapterJob::refuseWithoutBackup(SafeTransfer::BackupFailure why, const QString &what)
{
    switch (why) {
    case SafeTransfer::BackupRefused:
        m_backupFailure = ExitCode::TransferRefused;
        m_console.error(SafeTransfer::describe(Exchange::Refused, what));
        break;
    case SafeTransfer::BackupNotAnswered:
        m_backupFailure = ExitCode::NoAnswer;
        m_console.error(SafeTransfer::describe(Exchange::NotAnswered, what));
        break;
    case SafeTransfer::BackupUnreadable:
        m_backupFailure = ExitCode::Unreadable;
        m_console.error(SafeTransfer::describe(Exchange::Unreadable, what));
        break;
    case SafeTransfer::BackupNotSaved:
        m_backupFailure = ExitCode::BadInput;
        m_console.error(tr("Die Sicherung konnte nicht gespeichert werden: %1").arg(m_backupError));
        break;
    }
    return false;
}

void AdapterJob::finish(ExitCode code, const QString &message)
{
    // The first outcome counts; what follows from it (the logout after a
    // refused login) tells nothing new.
    if (m_outcome)
        return;
    // Stopped by a signal, the run says so whatever its last command did.
    m_outcome = m_signal ? ExitCode(int(ExitCode::Signalled) + m_signal) : code;
    if (!message.isEmpty())
        m_console.error(message);
    m_loop.quit();
}
