#pragma once

#include <QByteArray>
#include <QObject>
#include <QProcess>
#include <QStringList>

// The simulator vxsim as a child process of a test; see ptypeer.h.
class VxSimProcess : public QObject
{
    Q_OBJECT

public:
    explicit VxSimProcess(QObject *parent = nullptr);
    ~VxSimProcess() override; // stops the simulator

    // Starts vxsim from the working directory (the run-time directory) with the
    // given options and waits for the line with its port.
    bool start(const QStringList &arguments = {}, int timeoutMs = 10000);
    QString portName() const { return m_portName; }

    // SIGTERM, then waits; true if it ended by itself with exit code 0.
    bool stop(int timeoutMs = 10000);

    // What it wrote on stderr so far (its frame log with --verbose).
    QByteArray standardError();

private:
    QProcess m_process;
    QString m_portName;
    QByteArray m_stderr;
};
