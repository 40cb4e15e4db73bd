#pragma once

#include "loginsession.h"
#include "receivesequence.h"
#include "transmitsequence.h"

#include <QObject>

#include <functional>

// Every transfer of a whole configuration, one at a time: a read, and a write
// or reset with a safety net. Before the write or reset the adapter's
// configuration is read and handed to the caller to save (the backup); after
// the write it is read again for the caller to compare (the verify). With both
// switches off the adapter sees exactly the frames of a plain transmit or
// reset. Starting anything ends what runs, so a read and a write never overlap.
class SafeTransfer : public QObject
{
    Q_OBJECT

public:
    enum Phase { Idle, Read, Backup, Transmit, Verify, Reset };
    Q_ENUM(Phase)
    enum BackupFailure { BackupRefused, BackupNotAnswered, BackupNotSaved };
    Q_ENUM(BackupFailure)

    // Saves the adapter's configuration; false when that failed.
    using SaveBackup = std::function<bool(const Configuration &adapter)>;
    // Whether to go on without a backup; what names the value that could not
    // be read (empty when saving failed).
    using ConfirmWithoutBackup = std::function<bool(BackupFailure why, const QString &what)>;

    // The reset goes through session, where its answer is awaited.
    SafeTransfer(Exchange *exchange, LoginSession *session, TransmitSequence::Source source,
        QObject *parent = nullptr);

    void setBackupEnabled(bool enabled) { m_backup = enabled; }
    bool isBackupEnabled() const { return m_backup; }
    void setVerifyEnabled(bool enabled) { m_verify = enabled; }
    bool isVerifyEnabled() const { return m_verify; }
    void setSaveBackup(SaveBackup save) { m_save = std::move(save); }
    void setConfirmWithoutBackup(ConfirmWithoutBackup confirm) { m_confirm = std::move(confirm); }

    TransmitSequence *transmitSequence() const { return m_transmit; }
    ReceiveSequence *receiveSequence() const { return m_receive; }

    // Each ends a run under way and starts from its beginning.
    void read();
    void write();
    void reset();
    void cancel();
    bool isRunning() const { return m_phase != Idle; }
    Phase phase() const { return m_phase; }

signals:
    // A command or request sent (repetitions too): step of total over all
    // phases of this run. entry and field mean nothing for the reset.
    void progress(
        SafeTransfer::Phase phase, int entry, ConfigurationField field, int step, int total);
    // The answers of a read, as they arrive (see ReceiveSequence).
    void valueReceived(const ConfigurationChange &value);
    // After the verify's read, before finished(); the caller compares.
    void verified(const Configuration &written, const Configuration &read);
    // Every phase done; a reset only once the adapter acknowledged it.
    void finished();
    // For a transmit: the fourth refusal of one command.
    void refused(SafeTransfer::Phase phase, const QString &what);
    void noAnswer(SafeTransfer::Phase phase, const QString &what);
    // The backup failed and the caller chose not to go on.
    void declined();

private:
    void begin(Phase goal);
    void received();
    void receiveFailed(bool refusal, int entry, ConfigurationField field);
    void withoutBackup(BackupFailure why, const QString &what);
    void startMain();
    void transmitted();
    void transmitFailed(bool refusal, int entry, ConfigurationField field);
    void resetAnswered(bool accepted);
    void resetNotAnswered(const QString &what);
    void report(int entry, ConfigurationField field, int position);
    void end();

    LoginSession *m_session;
    TransmitSequence *m_transmit;
    ReceiveSequence *m_receive;
    SaveBackup m_save;
    ConfirmWithoutBackup m_confirm;
    Phase m_phase = Idle;
    Phase m_goal = Idle; // Read, Transmit or Reset
    quint64 m_run = 0; // tells a new run from the one a callback interrupted
    bool m_backup = false;
    bool m_verify = false;
    bool m_runBackup = false; // the switches as this run started
    bool m_runVerify = false;
};
