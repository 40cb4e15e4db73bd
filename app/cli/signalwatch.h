#pragma once

#include <QObject>

#include <csignal>

class QSocketNotifier;

// SIGINT, SIGTERM and SIGHUP as a signal of the event loop, for as long as
// the watch lives: a run told to stop ends its command in flight and logs out
// instead of dying half-way. The handlers in place before come back after.
class SignalWatch : public QObject
{
    Q_OBJECT

public:
    explicit SignalWatch(QObject *parent = nullptr);
    ~SignalWatch() override;

signals:
    void caught(int signal);

private:
    void readPipe();

    QSocketNotifier *m_notifier = nullptr;
    struct sigaction m_saved[3] = {};
};
