#pragma once

#include "configuration.h"
#include "configurationdiff.h"
#include "exitcode.h"
#include "safetransfer.h"
#include "serialhelper.h"

#include <QEventLoop>
#include <QObject>
#include <QString>

#include <optional>

class Console;

// One conversation with the adapter: open the port, log in, read or write
// the whole configuration with the window's own transfer objects, log out,
// close. There is no one to ask on the way: what the window would ask about
// (going on without a backup) ends the run. SIGINT, SIGTERM and SIGHUP end it
// after the command in flight (a second one at once), with the logout.
class AdapterJob : public QObject
{
    Q_OBJECT

public:
    enum Task { Read, Write };

    explicit AdapterJob(Console &console, QObject *parent = nullptr);

    void setBackupEnabled(bool enabled) { m_transfer.setBackupEnabled(enabled); }
    void setVerifyEnabled(bool enabled) { m_transfer.setVerifyEnabled(enabled); }
    // The file a write sends, named in its backup.
    void setInputFile(const QString &fileName) { m_inputFile = fileName; }

    // Write sends configuration; a read ignores it. Errors are told on the
    // console; Done also when the verify after a write found differences.
    ExitCode run(Task task, const QString &port, const QString &password,
        const Configuration &configuration = Configuration());

    // What the last read received.
    Configuration received() const { return m_received; }
    // What the verify after the last write found.
    QList<ConfigurationDifference> differences() const { return m_differences; }

private:
    void loggedIn();
    void interrupt(int signal);
    void transferFailed(Exchange::Failure failure, const QString &what);
    // What the adapter holds after a run that ended early, and the exit code
    // that says so.
    void reportWrite();
    void logOut();
    void showProgress(
        SafeTransfer::Phase phase, int entry, ConfigurationField field, int step, int total);
    bool saveBackup(const Configuration &adapter);
    bool refuseWithoutBackup(SafeTransfer::BackupFailure why, const QString &what);
    void finish(ExitCode code, const QString &message = QString());

    Console &m_console;
    SerialHelper m_link;
    Exchange m_exchange { &m_link };
    LoginSession m_session { &m_exchange };
    Configuration m_configuration;
    SafeTransfer m_transfer { &m_exchange, &m_session };
    QEventLoop m_loop;
    Task m_task = Read;
    QString m_port;
    std::optional<ExitCode> m_outcome;
    ExitCode m_backupFailure = ExitCode::Done;
    QString m_backupError;
    QString m_backupPath; // the last backup saved, empty when that failed
    QString m_inputFile;
    int m_signal = 0; // the first of the signals that stop the run
    bool m_verified = false;
    Configuration m_received;
    QList<ConfigurationDifference> m_differences;
};
