#pragma once

#include "configuration.h"
#include "exchange.h"

#include <QObject>
#include <QTimer>

#include <functional>

// Writes the whole configuration to the adapter: 41 commands, each sent once
// the one before it is acknowledged. A refused command goes out again after a
// pause, up to three times.
class TransmitSequence : public QObject
{
    Q_OBJECT

public:
    static constexpr int CommandCount = 41;
    static constexpr int MaxRepetitions = 3;
    static constexpr int DefaultRepetitionDelayMs = 1000;

    // Asked at every command, so what goes out is what the screen shows then.
    using Source = std::function<Configuration()>;

    TransmitSequence(Exchange *exchange, Source source, QObject *parent = nullptr);

    void setRepetitionDelay(int ms) { m_repeatTimer.setInterval(ms); }

    // From the first command; a run under way starts again, once the answer
    // still due to it has come or timed out.
    void start();
    // The pending repetition is dropped, and so is the answer still due.
    void cancel();
    bool isRunning() const { return m_running; }
    // The current command once more.
    void sendCurrent();
    // What this run sent and the adapter acknowledged, as the adapter keeps it.
    Configuration sent() const { return m_sent; }
    // Position of the current command, 0 to CommandCount - 1.
    int position() const { return m_position; }

signals:
    // Every sending, repetitions included.
    void commandSent(int entry, ConfigurationField field);
    void finished();
    // The fourth refusal of one command.
    void refused(int entry, ConfigurationField field);
    void noAnswer(int entry, ConfigurationField field);

private:
    void answer(const Frame &answer, quint64 ticket);
    void timedOut(quint64 ticket);
    void stop();

    Exchange *m_exchange;
    Source m_source;
    QTimer m_repeatTimer;
    Configuration m_sent;
    Frame m_current;
    int m_position = 0;
    int m_repetitions = 0;
    bool m_running = false;
    quint64 m_ticket = 0; // of the command awaiting its answer
};
