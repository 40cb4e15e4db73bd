#pragma once

#include "configuration.h"
#include "exchange.h"

#include <QObject>

// Reads the whole configuration from the adapter: 41 requests, each sent once
// the one before it is answered. Each answer is handed over the moment it
// arrives; the kind of answer decides which request comes next.
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
    bool isRunning() const { return m_running; }
    // The current request once more.
    void sendCurrent();
    // This run's answers applied to a default configuration.
    Configuration received() const { return m_received; }
    // Requests answered so far in this run.
    int answeredCount() const { return m_answered; }

signals:
    void requestSent(int entry, ConfigurationField field);
    // Emitted before the next request goes out: a slot may store the value,
    // even open a message box; the next request follows when it returns, if
    // the run still goes on.
    void valueReceived(const ConfigurationChange &value);
    void finished();
    // A NAK to a request.
    void refused(int entry, ConfigurationField field);
    void noAnswer(int entry, ConfigurationField field);

private:
    void answer(const Frame &answer, quint64 ticket);
    void timedOut(quint64 ticket);
    void advance(ConfigurationField answered);
    void stop();

    Exchange *m_exchange;
    Configuration m_received;
    ConfigurationField m_field = ConfigurationField::MaxCallTime;
    int m_entry = Configuration::Master;
    int m_answered = 0;
    quint64 m_run = 0; // tells a restarted run from the one a slot interrupted
    bool m_running = false;
    quint64 m_ticket = 0; // of the request awaiting its answer
};
