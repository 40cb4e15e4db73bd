#pragma once

#include "configuration.h"
#include "exchange.h"

#include <QObject>

// Reads the whole configuration from the adapter: 41 requests, each sent once
// the one before it is answered; the kind of answer decides which request
// comes next. The answers count only together: received() holds them once
// finished() has come.
class ReceiveSequence : public QObject
{
    Q_OBJECT

public:
    static constexpr int RequestCount = 41;

    explicit ReceiveSequence(Exchange *exchange, QObject *parent = nullptr);

    // From the first request; a run under way starts again, once the answer
    // still due to it has come or timed out.
    void start();
    // The answer still due is dropped.
    void cancel();
    // Ends the run once the request in flight is answered or given up:
    // failed(Interrupted), or finished() when it was the last one.
    void interrupt();
    bool isRunning() const { return m_running; }
    // This run's answers applied to a default configuration.
    Configuration received() const { return m_received; }
    // Requests answered so far in this run.
    int answeredCount() const { return m_answered; }

signals:
    void requestSent(int entry, ConfigurationField field);
    void finished();
    void failed(int entry, ConfigurationField field, Exchange::Failure failure);

private:
    void sendCurrent();
    void answer(const Frame &answer, quint64 ticket);
    void requestFailed(Exchange::Failure failure, quint64 ticket);
    void advance(ConfigurationField answered);
    void stop();

    Exchange *m_exchange;
    Configuration m_received;
    ConfigurationField m_field = ConfigurationField::MaxCallTime;
    int m_entry = Configuration::Master;
    int m_answered = 0;
    bool m_running = false;
    bool m_interrupting = false;
    quint64 m_ticket = 0; // of the request awaiting its answer
};
