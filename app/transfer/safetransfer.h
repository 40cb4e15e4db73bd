#pragma once

#include "loginsession.h"
#include "receivesequence.h"
#include "transmitsequence.h"

#include <QObject>

#include <functional>
#include <optional>

// Every transfer of a whole configuration, one at a time: a read, and a write
// or reset with a safety net. Before the write or reset the adapter's
// configuration is read and handed to the caller to save (the backup), and
// before a write also to look at what it changes; after the write it is read
// again for the caller to compare (the verify). With both switches off the
// adapter sees exactly the frames of a plain transmit or reset. Starting
// anything ends what runs, so a read and a write never overlap.
//
// Every run ends in finished() or failed(), once, unless cancelled; a read
// hands over all its values together or none.
class SafeTransfer : public QObject
{
    Q_OBJECT

public:
    enum Phase { Idle, Read, Backup, Transmit, Verify, Reset };
    Q_ENUM(Phase)
    enum BackupFailure { BackupRefused, BackupNotAnswered, BackupUnreadable, BackupNotSaved };
    Q_ENUM(BackupFailure)

    // Saves the adapter's configuration; false when that failed.
    using SaveBackup = std::function<bool(const Configuration &adapter)>;
    // Whether to go on without a backup; what names the value that could not
    // be read (empty when saving failed).
    using ConfirmWithoutBackup = std::function<bool(BackupFailure why, const QString &what)>;
    // Whether to write over what the backup read; asked once the backup is
    // saved, before the first write command. Without the backup read there
    // is nothing to ask with.
    using ConfirmChanges = std::function<bool(const Configuration &adapter)>;

    // The reset goes through session, where its answer is awaited.
    SafeTransfer(Exchange *exchange, LoginSession *session, QObject *parent = nullptr);

    void setBackupEnabled(bool enabled) { m_backup = enabled; }
    bool isBackupEnabled() const { return m_backup; }
    void setVerifyEnabled(bool enabled) { m_verify = enabled; }
    bool isVerifyEnabled() const { return m_verify; }
    void setSaveBackup(SaveBackup save) { m_save = std::move(save); }
    void setConfirmWithoutBackup(ConfirmWithoutBackup confirm) { m_confirm = std::move(confirm); }
    // None: no question.
    void setConfirmChanges(ConfirmChanges confirm) { m_confirmChanges = std::move(confirm); }

    TransmitSequence *transmitSequence() const { return m_transmit; }
    ReceiveSequence *receiveSequence() const { return m_receive; }

    // Each ends a run under way and starts from its beginning.
    void read();
    void write(const Configuration &configuration);
    void reset();
    // Ends the run at once, without a signal; the answer of the command in
    // flight is dropped.
    void cancel();
    // Ends a read or write once the command in flight is answered or given
    // up (a reset, one command, ends by itself): failed(Interrupted), or the
    // run's own end when that command was its last.
    void interrupt();
    bool isRunning() const { return m_phase != Idle; }
    Phase phase() const { return m_phase; }
    // The values the adapter acknowledged, when the last write ended after its
    // first command went out and before its last acknowledgement: the adapter
    // then holds part new, part old values.
    std::optional<int> partlyWritten() const;
    // The values the adapter acknowledged in the last run's write; none when
    // that run sent no write command.
    std::optional<int> written() const;

    // For messages, in the user's language: why a run failed (what names the
    // value or command), and what a partly written adapter holds.
    static QString describe(Exchange::Failure failure, const QString &what);
    static QString describePartlyWritten(int written, const QString &backupPath);

signals:
    // A command or request sent (repetitions too): step of total over all
    // phases of this run. entry and field mean nothing for the reset.
    void progress(
        SafeTransfer::Phase phase, int entry, ConfigurationField field, int step, int total);
    // All values of a read, before finished().
    void received(const Configuration &adapter);
    // After the verify's read, before finished(); the caller compares.
    void verified(const Configuration &written, const Configuration &read);
    // Every phase done; a reset only once the adapter acknowledged it.
    void finished();
    // what names the value (or command) that failed; Declined: the backup
    // failed, or the caller did not want the changes, and chose not to go on.
    void failed(SafeTransfer::Phase phase, Exchange::Failure failure, const QString &what);

private:
    void begin(Phase goal);
    void receiveEnded();
    void receiveFailed(int entry, ConfigurationField field, Exchange::Failure failure);
    void withoutBackup(BackupFailure why, const QString &what);
    void backupSaved(const Configuration &adapter);
    void startMain();
    void transmitEnded();
    void transmitFailed(int entry, ConfigurationField field, Exchange::Failure failure);
    void resetAnswered(bool accepted);
    void resetFailed(Exchange::Failure failure, const QString &what);
    void report(int entry, ConfigurationField field, int position);
    // Ends the run; a pending interruption, if any, ends it as interrupted.
    void fail(Exchange::Failure failure, const QString &what);
    void end();

    LoginSession *m_session;
    TransmitSequence *m_transmit;
    ReceiveSequence *m_receive;
    SaveBackup m_save;
    ConfirmWithoutBackup m_confirm;
    ConfirmChanges m_confirmChanges;
    Configuration m_configuration; // what this run writes
    Phase m_phase = Idle;
    Phase m_goal = Idle; // Read, Transmit or Reset
    quint64 m_run = 0; // tells a new run from the one a callback interrupted
    bool m_backup = false;
    bool m_verify = false;
    bool m_runBackup = false; // the switches as this run started
    bool m_runVerify = false;
    bool m_interrupting = false;
    bool m_writeBegun = false; // this run's first write command went out
    bool m_writeDone = false; // and its last one was acknowledged
};
