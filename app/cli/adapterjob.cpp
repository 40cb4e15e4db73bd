#include "adapterjob.h"

#include "backupstore.h"
#include "configurationtext.h"
#include "console.h"

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
    connect(&m_session, &LoginSession::noAnswer, this,
        [this](const QString &what) { finish(ExitCode::NoAnswer, notAnswered(what)); });
    connect(&m_link, &SerialHelper::ReceivePortFailure, this, [this](const QString &reason) {
        finish(ExitCode::PortFailed,
            tr("Die serielle Schnittstelle %1 ist ausgefallen: %2").arg(m_port, reason));
    });

    connect(&m_transfer, &SafeTransfer::progress, this, &AdapterJob::showProgress);
    connect(&m_transfer, &SafeTransfer::verified, this,
        [this](const Configuration &written, const Configuration &read) {
            m_differences = configurationDifferences(written, read);
        });
    connect(&m_transfer, &SafeTransfer::finished, this, [this] {
        if (m_task == Read)
            m_received = m_transfer.receiveSequence()->received();
        finish(ExitCode::Done);
    });
    connect(&m_transfer, &SafeTransfer::refused, this,
        [this](auto, const QString &what) { finish(ExitCode::TransferRefused, refused(what)); });
    connect(&m_transfer, &SafeTransfer::noAnswer, this,
        [this](auto, const QString &what) { finish(ExitCode::NoAnswer, notAnswered(what)); });
    connect(&m_transfer, &SafeTransfer::declined, this, [this] {
        finish(m_backupFailure,
            tr("Ohne Sicherung wird nicht geschrieben; mit --no-backup wird ohne Sicherung "
               "geschrieben."));
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
    m_link.SetComPort(port);
    if (!m_link.OpenCommunication()) {
        m_console.error(
            tr("Die serielle Schnittstelle %1 konnte nicht geöffnet werden.").arg(port));
        return ExitCode::PortFailed;
    }
    // What the line still holds (the answer to the last run's logout) would
    // pass for the answer to this login.
    m_link.ResetCommunication();
    m_session.login(password);
    if (!m_outcome)
        m_loop.exec();
    m_transfer.cancel();
    logOut();
    m_link.CloseCommunication();
    return *m_outcome;
}

void AdapterJob::logOut()
{
    if (!m_session.isLoggedIn())
        return;
    // Waiting for an adapter that does not answer would only hold up the script.
    if (*m_outcome == ExitCode::NoAnswer || *m_outcome == ExitCode::PortFailed) {
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
    connect(&m_session, &LoginSession::noAnswer, &answered, settled);
    m_session.logout();
    answered.exec();
}

void AdapterJob::loggedIn()
{
    if (m_task == Read)
        m_transfer.read();
    else
        m_transfer.write();
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
        m_console.error(refused(what));
        break;
    case SafeTransfer::BackupNotAnswered:
        m_backupFailure = ExitCode::NoAnswer;
        m_console.error(notAnswered(what));
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
    m_outcome = code;
    if (!message.isEmpty())
        m_console.error(message);
    m_loop.quit();
}

QString AdapterJob::notAnswered(const QString &what)
{
    return tr("Der VX-Adapter antwortet nicht (gewartet wurde auf: %1).").arg(what);
}

QString AdapterJob::refused(const QString &what)
{
    //: "Der VX-Adapter hat Rufnummer 1 von Master abgelehnt."
    return tr("Der VX-Adapter hat %1 abgelehnt.").arg(what);
}
