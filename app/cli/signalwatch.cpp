#include "signalwatch.h"

#include <QSocketNotifier>

#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int Watched[] = { SIGINT, SIGTERM, SIGHUP };

// One watch at a time; the handler can only reach it through this.
int pipeEnds[2] = { -1, -1 };

void onSignal(int number)
{
    const char byte = char(number);
    // Nothing better to do inside a handler if the pipe is full.
    [[maybe_unused]] const ssize_t written = ::write(pipeEnds[1], &byte, 1);
}

} // namespace

SignalWatch::SignalWatch(QObject *parent)
    : QObject(parent)
{
    if (::pipe2(pipeEnds, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    m_notifier = new QSocketNotifier(pipeEnds[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &SignalWatch::readPipe);
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    for (int i = 0; i < 3; ++i)
        ::sigaction(Watched[i], &action, &m_saved[i]);
}

SignalWatch::~SignalWatch()
{
    if (!m_notifier)
        return;
    for (int i = 0; i < 3; ++i)
        ::sigaction(Watched[i], &m_saved[i], nullptr);
    ::close(pipeEnds[0]);
    ::close(pipeEnds[1]);
    pipeEnds[0] = pipeEnds[1] = -1;
}

void SignalWatch::readPipe()
{
    char byte = 0;
    while (::read(pipeEnds[0], &byte, 1) == 1)
        emit caught(int(byte));
}
