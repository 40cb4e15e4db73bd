#include "safetransfer.h"

#include "configurationtext.h"

SafeTransfer::SafeTransfer(
    Exchange *exchange, LoginSession *session, TransmitSequence::Source source, QObject *parent)
    : QObject(parent)
    , m_session(session)
    , m_transmit(new TransmitSequence(exchange, std::move(source), this))
    , m_receive(new ReceiveSequence(exchange, this))
{
    connect(m_transmit, &TransmitSequence::commandSent, this,
        [this](int entry, ConfigurationField field) {
            report(entry, field, m_transmit->position() + 1);
        });
    connect(m_transmit, &TransmitSequence::finished, this, &SafeTransfer::transmitted);
    connect(m_transmit, &TransmitSequence::refused, this,
        [this](int entry, ConfigurationField field) { transmitFailed(true, entry, field); });
    connect(m_transmit, &TransmitSequence::noAnswer, this,
        [this](int entry, ConfigurationField field) { transmitFailed(false, entry, field); });

    connect(m_receive, &ReceiveSequence::requestSent, this,
        [this](int entry, ConfigurationField field) {
            report(entry, field, m_receive->answeredCount() + 1);
        });
    connect(
        m_receive, &ReceiveSequence::valueReceived, this, [this](const ConfigurationChange &value) {
            if (m_phase == Read)
                emit valueReceived(value);
        });
    connect(m_receive, &ReceiveSequence::finished, this, &SafeTransfer::received);
    connect(m_receive, &ReceiveSequence::refused, this,
        [this](int entry, ConfigurationField field) { receiveFailed(true, entry, field); });
    connect(m_receive, &ReceiveSequence::noAnswer, this,
        [this](int entry, ConfigurationField field) { receiveFailed(false, entry, field); });

    connect(session, &LoginSession::resetAnswered, this, &SafeTransfer::resetAnswered);
    connect(session, &LoginSession::noAnswer, this, &SafeTransfer::resetNotAnswered);
}

void SafeTransfer::read()
{
    begin(Read);
}

void SafeTransfer::write()
{
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

void SafeTransfer::begin(Phase goal)
{
    cancel();
    ++m_run;
    m_goal = goal;
    m_runBackup = m_backup && goal != Read;
    m_runVerify = m_verify && goal == Transmit;
    if (goal == Read || m_runBackup) {
        m_phase = goal == Read ? Read : Backup;
        m_receive->start();
        return;
    }
    startMain();
}

void SafeTransfer::received()
{
    switch (m_phase) {
    case Read:
        end();
        emit finished();
        return;
    case Backup: {
        const quint64 run = m_run;
        const bool saved = m_save && m_save(m_receive->received());
        if (run != m_run || m_phase != Backup)
            return;
        if (saved)
            startMain();
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

void SafeTransfer::receiveFailed(bool refusal, int entry, ConfigurationField field)
{
    const QString what = ConfigurationText::valueName(entry, field);
    const Phase phase = m_phase;
    switch (phase) {
    case Backup:
        withoutBackup(refusal ? BackupRefused : BackupNotAnswered, what);
        return;
    case Read:
    case Verify:
        end();
        if (refusal)
            emit refused(phase, what);
        else
            emit noAnswer(phase, what);
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
    if (goOn) {
        startMain();
        return;
    }
    end();
    emit declined();
}

void SafeTransfer::startMain()
{
    if (m_goal == Transmit) {
        m_phase = Transmit;
        m_transmit->start();
        return;
    }
    m_phase = Reset;
    report(Configuration::Master, ConfigurationField::MaxCallTime, 1);
    m_session->reset();
}

void SafeTransfer::transmitted()
{
    if (m_phase != Transmit)
        return;
    if (m_runVerify) {
        m_phase = Verify;
        m_receive->start();
        return;
    }
    end();
    emit finished();
}

void SafeTransfer::transmitFailed(bool refusal, int entry, ConfigurationField field)
{
    if (m_phase != Transmit)
        return;
    end();
    const QString what = ConfigurationText::valueName(entry, field);
    if (refusal)
        emit refused(Transmit, what);
    else
        emit noAnswer(Transmit, what);
}

void SafeTransfer::resetAnswered(bool accepted)
{
    if (m_phase != Reset)
        return;
    end();
    if (accepted)
        emit finished();
    else
        emit refused(Reset, LoginSession::describe(LoginSession::PendingReset));
}

void SafeTransfer::resetNotAnswered(const QString &what)
{
    if (m_phase != Reset)
        return;
    end();
    emit noAnswer(Reset, what);
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

void SafeTransfer::end()
{
    m_phase = Idle;
}
