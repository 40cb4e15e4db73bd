#include "ptypeer.h"

#include <QDeadlineTimer>
#include <QDebug>
#include <QSocketNotifier>
#include <QTest>

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

PtyPeer::PtyPeer(QObject *parent)
    : QObject(parent)
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

bool PtyPeer::waitForFrames(int count, int timeoutMs)
{
    return QTest::qWaitFor([&] { return m_frames.size() >= count; }, timeoutMs);
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

QByteArray PtyPeer::frameBytes(byte command, const QByteArray &payload)
{
    QByteArray body;
    body.append(char(payload.size() + 1)).append(char(command)).append(payload);
    byte sum = 0;
    for (char c : std::as_const(body))
        sum += byte(c);
    body.append(char(sum));
    QByteArray wire(1, char(0xFE));
    for (char c : std::as_const(body)) {
        if (byte(c) == 0xFE || byte(c) == 0xFD)
            wire.append(char(0xFD)).append(char(byte(c) - 0xFD));
        else
            wire.append(c);
    }
    return wire;
}

void PtyPeer::close()
{
    if (m_notifier)
        m_notifier->setEnabled(false);
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
        if (echoing)
            sendBytes(QByteArray(buffer, n));
        for (ssize_t i = 0; i < n; ++i)
            decode(byte(buffer[i]));
    }
}

// FE starts a frame; after it FD 00 stands for FD and FD 01 for FE. The first
// byte counts command and payload (0 for 256), the last is their sum with it.
void PtyPeer::decode(byte b)
{
    if (b == 0xFE) {
        m_body.clear();
        m_inFrame = true;
        m_escape = false;
        return;
    }
    if (!m_inFrame)
        return;
    if (b == 0xFD && !m_escape) {
        m_escape = true;
        return;
    }
    m_body.append(char(m_escape ? byte(0xFD + b) : b));
    m_escape = false;
    const int length = byte(m_body.at(0)) == 0 ? 256 : byte(m_body.at(0));
    if (m_body.size() < length + 2)
        return;
    m_inFrame = false;
    byte sum = 0;
    for (qsizetype i = 0; i < m_body.size() - 1; ++i)
        sum += byte(m_body.at(i));
    if (sum != byte(m_body.back()))
        return; // the adapter ignores a garbled frame
    m_frames.append({ byte(m_body.at(1)), m_body.mid(2, length - 1) });
}

QDebug operator<<(QDebug debug, const PtyPeer::Frame &frame)
{
    QDebugStateSaver saver(debug);
    debug.nospace() << "Frame(" << Qt::hex << frame.command << ", " << frame.payload.toHex(' ')
                    << ')';
    return debug;
}
