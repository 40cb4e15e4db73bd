#include "safetransfer.h"

#include "configurationtext.h"

#include <QDir>

SafeTransfer::SafeTransfer(Exchange *exchange, LoginSession *session, QObject *parent)
    : QObject(parent)
    , m_session(session)
    , m_transmit(new TransmitSequence(exchange, this))
    , m_receive(new ReceiveSequence(exchange, this))
{
    connect(m_transmit, &TransmitSequence::commandSent, this,
        [this](int entry, ConfigurationField field) {
            report(entry, field, m_transmit->acknowledged() + 1);
        });
    connect(m_transmit, &TransmitSequence::finished, this, &SafeTransfer::transmitEnded);
    connect(m_transmit, &TransmitSequence::failed, this, &SafeTransfer::transmitFailed);

    connect(m_receive, &ReceiveSequence::requestSent, this,
        [this](int entry, ConfigurationField field) {
            report(entry, field, m_receive->answeredCount() + 1);
        });
    connect(m_receive, &ReceiveSequence::finished, this, &SafeTransfer::receiveEnded);
    connect(m_receive, &ReceiveSequence::failed, this, &SafeTransfer::receiveFailed);

    connect(session, &LoginSession::resetAnswered, this, &SafeTransfer::resetAnswered);
    connect(session, &LoginSession::failed, this, &SafeTransfer::resetFailed);
}

void SafeTransfer::read()
{
    begin(Read);
}

void SafeTransfer::write(const Configuration &configuration)
{
    m_configuration = configuration;
    begin(Transmit);
}

void SafeTransfer::reset()
{
    begin(Reset);
}

void SafeTransfer::cancel()
{
    // A reset already sent cannot be called back; the session still reports
    // its answer.
    m_transmit->cancel();
    m_receive->cancel();
    end();
}

void SafeTransfer::interrupt()
{
    if (m_phase == Idle || m_phase == Reset)
        return;
    m_interrupting = true;
    if (m_phase == Transmit)
        m_transmit->interrupt();
    else
        m_receive->interrupt();
}

std::optional<int> SafeTransfer::partlyWritten() const
{
    if (m_writeDone)
        return std::nullopt;
    return written();
}

std::optional<int> SafeTransfer::written() const
{
    if (!m_writeBegun)
        return std::nullopt;
    return m_transmit->acknowledged();
}

QString SafeTransfer::describe(Exchange::Failure failure, const QString &what)
{
    switch (failure) {
    case Exchange::Refused:
        //: "Der VX-Adapter hat Rufnummer 1 von Master abgelehnt."
        return tr("Der VX-Adapter hat %1 abgelehnt.").arg(what);
    case Exchange::NotAnswered:
        return tr("Der VX-Adapter antwortet nicht (gewartet wurde auf: %1).").arg(what);
    case Exchange::Unreadable:
        return tr("Die Antwort des VX-Adapters auf %1 war nicht lesbar.").arg(what);
    case Exchange::Declined:
        return tr("Ohne Sicherung wird nicht geschrieben.");
    case Exchange::Interrupted:
        return tr("Abgebrochen.");
    }
    return QString();
}

QString SafeTransfer::describePartlyWritten(int written, const QString &backupPath)
{
    return tr("Der VX-Adapter hält jetzt eine teilweise geschriebene Konfiguration: %1 von %2 "
              "Werten wurden geschrieben, die übrigen sind die alten.")
               .arg(written)
               .arg(TransmitSequence::CommandCount)
        + QLatin1Char(' ')
        + (backupPath.isEmpty() ? tr("Es wurde keine Sicherung angelegt.")
                                : tr("Sicherung: %1").arg(QDir::toNativeSeparators(backupPath)));
}

void SafeTransfer::begin(Phase goal)
{
    cancel();
    ++m_run;
    m_goal = goal;
    m_runBackup = m_backup && goal != Read;
    m_runVerify = m_verify && goal == Transmit;
    m_interrupting = false;
    m_writeBegun = false;
    m_writeDone = false;
    if (goal == Read || m_runBackup) {
        m_phase = goal == Read ? Read : Backup;
        m_receive->start();
        return;
    }
    startMain();
}

void SafeTransfer::receiveEnded()
{
    switch (m_phase) {
    case Read:
        end();
        emit received(m_receive->received());
        emit finished();
        return;
    case Backup: {
        if (m_interrupting) {
            fail(Exchange::Interrupted, QString());
            return;
        }
        const quint64 run = m_run;
        const Configuration adapter = m_receive->received();
        const bool saved = m_save && m_save(adapter);
        if (run != m_run || m_phase != Backup)
            return;
        if (saved)
            backupSaved(adapter);
        else
            withoutBackup(BackupNotSaved, QString());
        return;
    }
    case Verify:
        end();
        emit verified(m_transmit->sent(), m_receive->received());
        emit finished();
        return;
    default:
        return;
    }
}

void SafeTransfer::receiveFailed(int entry, ConfigurationField field, Exchange::Failure failure)
{
    const QString what = ConfigurationText::valueName(entry, field);
    switch (m_phase) {
    case Backup:
        if (failure == Exchange::Interrupted) {
            fail(failure, what);
            return;
        }
        withoutBackup(failure == Exchange::Refused ? BackupRefused
                : failure == Exchange::Unreadable  ? BackupUnreadable
                                                   : BackupNotAnswered,
            what);
        return;
    case Read:
    case Verify:
        fail(failure, what);
        return;
    default:
        return;
    }
}

void SafeTransfer::withoutBackup(BackupFailure why, const QString &what)
{
    const quint64 run = m_run;
    const bool goOn = m_confirm && m_confirm(why, what);
    if (run != m_run || m_phase != Backup)
        return;
    if (goOn && !m_interrupting)
        startMain();
    else
        fail(Exchange::Declined, what);
}

void SafeTransfer::backupSaved(const Configuration &adapter)
{
    if (m_goal == Transmit && m_confirmChanges) {
        const quint64 run = m_run;
        const bool goOn = m_confirmChanges(adapter);
        if (run != m_run || m_phase != Backup)
            return;
        if (!goOn || m_interrupting) {
            fail(Exchange::Declined, QString());
            return;
        }
    }
    startMain();
}

void SafeTransfer::startMain()
{
    if (m_goal == Transmit) {
        m_phase = Transmit;
        m_writeBegun = true;
        m_transmit->start(m_configuration);
        return;
    }
    m_phase = Reset;
    report(Configuration::Master, ConfigurationField::MaxCallTime, 1);
    m_session->reset();
}

void SafeTransfer::transmitEnded()
{
    if (m_phase != Transmit)
        return;
    m_writeDone = true;
    if (m_interrupting && m_runVerify) {
        fail(Exchange::Interrupted, QString());
        return;
    }
    if (m_runVerify) {
        m_phase = Verify;
        m_receive->start();
        return;
    }
    end();
    emit finished();
}

void SafeTransfer::transmitFailed(int entry, ConfigurationField field, Exchange::Failure failure)
{
    if (m_phase == Transmit)
        fail(failure, ConfigurationText::valueName(entry, field));
}

void SafeTransfer::resetAnswered(bool accepted)
{
    if (m_phase != Reset)
        return;
    if (accepted) {
        end();
        emit finished();
        return;
    }
    fail(Exchange::Refused, LoginSession::describe(LoginSession::PendingReset));
}

void SafeTransfer::resetFailed(Exchange::Failure failure, const QString &what)
{
    if (m_phase == Reset)
        fail(failure, what);
}

void SafeTransfer::report(int entry, ConfigurationField field, int position)
{
    const int backup = m_runBackup ? ReceiveSequence::RequestCount : 0;
    int offset = 0;
    if (m_phase == Transmit || m_phase == Reset)
        offset = backup;
    else if (m_phase == Verify)
        offset = backup + TransmitSequence::CommandCount;
    int total = ReceiveSequence::RequestCount;
    if (m_goal == Transmit)
        total = backup + TransmitSequence::CommandCount
            + (m_runVerify ? ReceiveSequence::RequestCount : 0);
    else if (m_goal == Reset)
        total = backup + 1;
    emit progress(m_phase, entry, field, offset + position, total);
}

void SafeTransfer::fail(Exchange::Failure failure, const QString &what)
{
    const Phase phase = m_phase;
    const bool interrupted = m_interrupting;
    end();
    emit failed(phase, interrupted ? Exchange::Interrupted : failure, what);
}

void SafeTransfer::end()
{
    m_phase = Idle;
    m_interrupting = false;
}
