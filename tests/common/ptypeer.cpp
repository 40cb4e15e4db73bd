#include "ptypeer.h"

#include "communicationpackage.h"

#include <QDeadlineTimer>
#include <QDebug>
#include <QSocketNotifier>
#include <QTest>

#include <utility>

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

PtyPeer::PtyPeer(QObject *parent)
    : QObject(parent)
    , m_parser(new CommunicationPackage(this))
{
    char name[256] = {};
    if (::openpty(&m_master, &m_slave, name, nullptr, nullptr) != 0) {
        qWarning("PtyPeer: openpty failed: %s", strerror(errno));
        m_master = m_slave = -1;
        return;
    }
    termios raw {};
    ::tcgetattr(m_slave, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(m_slave, TCSANOW, &raw);
    ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
    m_portName = QString::fromLocal8Bit(name);
    m_notifier = new QSocketNotifier(m_master, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &PtyPeer::readAvailable);
}

PtyPeer::~PtyPeer()
{
    close();
}

QList<PtyPeer::Frame> PtyPeer::takeFrames()
{
    return std::exchange(m_frames, {});
}

bool PtyPeer::waitForFrames(int count, int timeoutMs)
{
    return QTest::qWaitFor([&] { return m_frames.size() >= count; }, timeoutMs);
}

QByteArray PtyPeer::takeRawBytes()
{
    return std::exchange(m_raw, {});
}

bool PtyPeer::waitForRawBytes(int count, int timeoutMs)
{
    return QTest::qWaitFor([&] { return m_raw.size() >= count; }, timeoutMs);
}

bool PtyPeer::sendBytes(const QByteArray &bytes)
{
    qsizetype done = 0;
    while (m_master >= 0 && done < bytes.size()) {
        const ssize_t n = ::write(m_master, bytes.constData() + done, size_t(bytes.size() - done));
        if (n > 0) {
            done += n;
        } else if (n < 0 && errno == EAGAIN) {
            pollfd fd { m_master, POLLOUT, 0 };
            if (::poll(&fd, 1, 5000) <= 0)
                return false;
        } else {
            return false;
        }
    }
    return m_master >= 0;
}

bool PtyPeer::sendQueued(const QByteArray &bytes, int timeoutMs)
{
    if (!sendBytes(bytes))
        return false;
    QDeadlineTimer deadline(timeoutMs);
    while (unreadByProgram() < bytes.size()) {
        pollfd fd { m_slave, POLLIN, 0 };
        ::poll(&fd, 1, 1);
        if (deadline.hasExpired())
            return false;
    }
    readAvailable();
    return true;
}

int PtyPeer::unreadByProgram() const
{
    int count = 0;
    return m_slave >= 0 && ::ioctl(m_slave, FIONREAD, &count) == 0 ? count : 0;
}

bool PtyPeer::sendFrame(byte command, const QByteArray &payload)
{
    return sendBytes(frameBytes(command, payload));
}

bool PtyPeer::sendAck()
{
    return sendFrame(0x20);
}

bool PtyPeer::sendNak()
{
    return sendFrame(0x21);
}

bool PtyPeer::sendText(const QByteArray &text)
{
    return sendBytes(text);
}

QByteArray PtyPeer::frameBytes(byte command, const QByteArray &payload)
{
    CommunicationPackage package;
    package.SetCommand(command);
    package.SetData(payload);
    package.CalculateChecksum();
    return package.ToByteArray();
}

void PtyPeer::close()
{
    if (m_notifier) {
        // May run from a slot of frameReceived(), inside the notifier's signal.
        m_notifier->setEnabled(false);
        m_notifier->deleteLater();
        m_notifier = nullptr;
    }
    if (m_master >= 0)
        ::close(m_master);
    if (m_slave >= 0)
        ::close(m_slave);
    m_master = m_slave = -1;
}

void PtyPeer::readAvailable()
{
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(m_master, buffer, sizeof buffer);
        if (n <= 0)
            break;
        m_raw.append(buffer, n);
        for (ssize_t i = 0; i < n; ++i) {
            if (m_parser->AddByte(byte(buffer[i])) != CommunicationPackage::ParseComplete)
                continue;
            const Frame frame { m_parser->Command(), m_parser->Data() };
            m_parser->Reset();
            m_frames.append(frame);
            emit frameReceived(frame);
        }
    }
}

QDebug operator<<(QDebug debug, const PtyPeer::Frame &frame)
{
    QDebugStateSaver saver(debug);
    debug.nospace() << "Frame(" << Qt::hex << frame.command << ", " << frame.payload.toHex(' ')
                    << ')';
    return debug;
}
