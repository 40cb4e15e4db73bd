#include "ptyline.h"

#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <utility>

namespace {

// What the program may leave unread before further output is dropped.
constexpr qsizetype OutputLimit = 64 * 1024;

} // namespace

PtyLine::PtyLine(QObject *parent)
    : QObject(parent)
    , m_rxTimer(new QTimer(this))
    , m_txTimer(new QTimer(this))
    , m_flushTimer(new QTimer(this))
{
    for (QTimer *timer : { m_rxTimer, m_txTimer }) {
        timer->setSingleShot(true);
        timer->setTimerType(Qt::PreciseTimer);
    }
    connect(m_rxTimer, &QTimer::timeout, this, &PtyLine::deliverDue);
    connect(m_txTimer, &QTimer::timeout, this, &PtyLine::transmitDue);
    // Free-running like the converter's timer: a byte waits up to one interval.
    m_flushTimer->setTimerType(Qt::PreciseTimer);
    connect(m_flushTimer, &QTimer::timeout, this, &PtyLine::flush);
    m_clock.start();
}

PtyLine::~PtyLine()
{
    if (m_master >= 0)
        ::close(m_master);
    if (m_slave >= 0)
        ::close(m_slave);
}

bool PtyLine::open(QString *error)
{
    char name[256] = {};
    if (::openpty(&m_master, &m_slave, name, nullptr, nullptr) != 0) {
        *error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    termios raw {};
    ::tcgetattr(m_slave, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(m_slave, TCSANOW, &raw);
    ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
    m_path = QString::fromLocal8Bit(name);

    m_readNotifier = new QSocketNotifier(m_master, QSocketNotifier::Read, this);
    connect(m_readNotifier, &QSocketNotifier::activated, this, &PtyLine::readMaster);
    m_writeNotifier = new QSocketNotifier(m_master, QSocketNotifier::Write, this);
    m_writeNotifier->setEnabled(false);
    connect(m_writeNotifier, &QSocketNotifier::activated, this, &PtyLine::writeOut);
    return true;
}

void PtyLine::setBaudRate(int baud)
{
    m_byteNs = baud > 0 ? 10 * qint64(1000000000) / baud : 0;
}

void PtyLine::setFlushInterval(int ms)
{
    if (ms > 0) {
        m_flushTimer->start(ms);
    } else {
        m_flushTimer->stop();
        flush();
    }
}

bool PtyLine::send(const QByteArray &bytes)
{
    if (m_txPending.size() + m_txHeld.size() + m_txOut.size() + bytes.size() > OutputLimit)
        return false;
    if (m_byteNs == 0) {
        release(bytes);
        return true;
    }
    for (char c : bytes) {
        m_txLineFree = qMax(m_txLineFree, m_clock.nsecsElapsed()) + m_byteNs;
        m_txPending.append(c);
        m_txDue.append(m_txLineFree);
    }
    transmitDue();
    return true;
}

void PtyLine::readMaster()
{
    QByteArray chunk;
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(m_master, buffer, sizeof buffer);
        if (n <= 0)
            break;
        chunk.append(buffer, n);
    }
    if (chunk.isEmpty())
        return;
    if (m_byteNs == 0) {
        emit received(chunk);
        return;
    }
    for (char c : std::as_const(chunk)) {
        m_rxLineFree = qMax(m_rxLineFree, m_clock.nsecsElapsed()) + m_byteNs;
        m_rxPending.append(c);
        m_rxDue.append(m_rxLineFree);
    }
    deliverDue();
}

void PtyLine::deliverDue()
{
    const qint64 now = m_clock.nsecsElapsed();
    qsizetype count = 0;
    while (count < m_rxDue.size() && m_rxDue.at(count) <= now)
        ++count;
    const QByteArray arrived = m_rxPending.left(count);
    m_rxPending.remove(0, count);
    m_rxDue.remove(0, count);
    schedule(m_rxTimer, m_rxDue);
    if (!arrived.isEmpty())
        emit received(arrived);
}

void PtyLine::transmitDue()
{
    const qint64 now = m_clock.nsecsElapsed();
    qsizetype count = 0;
    while (count < m_txDue.size() && m_txDue.at(count) <= now)
        ++count;
    const QByteArray due = m_txPending.left(count);
    m_txPending.remove(0, count);
    m_txDue.remove(0, count);
    schedule(m_txTimer, m_txDue);
    release(due);
}

void PtyLine::release(const QByteArray &bytes)
{
    if (m_flushTimer->isActive()) {
        m_txHeld += bytes;
        return;
    }
    m_txOut += bytes;
    writeOut();
}

void PtyLine::flush()
{
    if (m_txHeld.isEmpty())
        return;
    m_txOut += std::exchange(m_txHeld, {});
    writeOut();
}

void PtyLine::writeOut()
{
    while (!m_txOut.isEmpty()) {
        const ssize_t n = ::write(m_master, m_txOut.constData(), size_t(m_txOut.size()));
        if (n <= 0)
            break;
        m_txOut.remove(0, n);
    }
    // The kernel's buffer is full while the program does not read; go on
    // when it has room again.
    m_writeNotifier->setEnabled(!m_txOut.isEmpty());
}

void PtyLine::schedule(QTimer *timer, const QList<qint64> &due)
{
    if (due.isEmpty()) {
        timer->stop();
        return;
    }
    const qint64 waitNs = due.first() - m_clock.nsecsElapsed();
    timer->start(int(qMax<qint64>(0, (waitNs + 999999) / 1000000)));
}
