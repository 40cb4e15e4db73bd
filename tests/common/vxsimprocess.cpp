#include "vxsimprocess.h"

#include <QDir>

VxSimProcess::VxSimProcess(QObject *parent)
    : QObject(parent)
{ }

VxSimProcess::~VxSimProcess()
{
    stop(3000);
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished(3000);
    }
}

bool VxSimProcess::start(const QStringList &arguments, int timeoutMs)
{
    m_portName.clear();
    m_stderr.clear();
    m_process.setProgram(QDir::current().absoluteFilePath(QStringLiteral("vxsim")));
    m_process.setArguments(arguments);
    m_process.start();
    if (!m_process.waitForStarted(timeoutMs)) {
        qWarning("vxsim did not start: %s", qPrintable(m_process.errorString()));
        return false;
    }
    while (!m_process.canReadLine()) {
        if (!m_process.waitForReadyRead(timeoutMs)) {
            qWarning("vxsim printed no port: %s", standardError().constData());
            return false;
        }
    }
    m_portName = QString::fromLocal8Bit(m_process.readLine().trimmed());
    return !m_portName.isEmpty();
}

bool VxSimProcess::stop(int timeoutMs)
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.terminate();
        if (!m_process.waitForFinished(timeoutMs))
            return false;
    }
    return m_process.exitStatus() == QProcess::NormalExit && m_process.exitCode() == 0;
}

QByteArray VxSimProcess::standardError()
{
    m_stderr += m_process.readAllStandardError();
    return m_stderr;
}
