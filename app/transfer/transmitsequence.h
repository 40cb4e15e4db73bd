#pragma once

#include "configuration.h"
#include "exchange.h"

#include <QObject>
#include <QTimer>

// Writes a whole configuration to the adapter: 41 commands, each sent once
// the one before it is acknowledged. A refused command goes out again after a
// pause, up to three times.
class TransmitSequence : public QObject
{
    Q_OBJECT

public:
    static constexpr int CommandCount = 41;
    static constexpr int MaxRepetitions = 3;
    static constexpr int DefaultRepetitionDelayMs = 1000;

    explicit TransmitSequence(Exchange *exchange, QObject *parent = nullptr);

    void setRepetitionDelay(int ms) { m_repeatTimer.setInterval(ms); }
    int repetitionDelay() const { return m_repeatTimer.interval(); }

    // Writes configuration from the first command; a run under way starts
    // again, once the answer still due to it has come or timed out.
    void start(const Configuration &configuration);
    // The pending repetition is dropped, and so is the answer still due.
    void cancel();
    // Ends the run once the command in flight is answered or given up, and
    // counts it when acknowledged: failed(Interrupted), or finished() when it
    // was the last one.
    void interrupt();
    bool isRunning() const { return m_running; }
    // What this run sent and the adapter acknowledged, as the adapter keeps it.
    Configuration sent() const { return m_sent; }
    // Commands acknowledged in this run; the position of the current one.
    int acknowledged() const { return m_position; }

signals:
    // Every sending, repetitions included.
    void commandSent(int entry, ConfigurationField field);
    void finished();
    // Refused is the fourth refusal of one command.
    void failed(int entry, ConfigurationField field, Exchange::Failure failure);

private:
    void sendCurrent();
    void answer(const Frame &answer, quint64 ticket);
    void commandFailed(Exchange::Failure failure, quint64 ticket);
    void fail(Exchange::Failure failure);
    void stop();

    Exchange *m_exchange;
    QTimer m_repeatTimer;
    Configuration m_configuration;
    Configuration m_sent;
    Frame m_current;
    int m_position = 0;
    int m_repetitions = 0;
    bool m_running = false;
    bool m_interrupting = false;
    quint64 m_run = 0; // tells the run an interruption belongs to
    quint64 m_ticket = 0; // of the command awaiting its answer
};
