#include "transmitsequence.h"

#include "configurationframes.h"
#include "configurationtext.h"

#include <array>
#include <utility>

namespace {

struct Command
{
    int entry;
    ConfigurationField field;
};

// The times once, before the master's numbers; the master has no bus address.
const std::array<Command, TransmitSequence::CommandCount> &commandOrder()
{
    static const auto order = [] {
        std::array<Command, TransmitSequence::CommandCount> commands {};
        int n = 0;
        commands[n++] = { Configuration::Master, ConfigurationField::CallRedirectTime };
        commands[n++] = { Configuration::Master, ConfigurationField::MaxCallTime };
        for (int entry = Configuration::Master; entry <= Configuration::LastAttendee; ++entry) {
            commands[n++] = { entry, ConfigurationField::CallNumber1 };
            commands[n++] = { entry, ConfigurationField::CallNumber2 };
            commands[n++] = { entry, ConfigurationField::StatusByte };
            if (entry != Configuration::Master)
                commands[n++] = { entry, ConfigurationField::BusAddress };
        }
        return commands;
    }();
    return order;
}

} // namespace

TransmitSequence::TransmitSequence(Exchange *exchange, QObject *parent)
    : QObject(parent)
    , m_exchange(exchange)
{
    m_repeatTimer.setSingleShot(true);
    m_repeatTimer.setInterval(DefaultRepetitionDelayMs);
    connect(&m_repeatTimer, &QTimer::timeout, this, &TransmitSequence::sendCurrent);
    connect(exchange, &Exchange::answered, this,
        [this](Exchange::Lane, const Frame &frame, quint64 ticket) { answer(frame, ticket); });
    connect(exchange, &Exchange::failed, this,
        [this](Exchange::Lane, Exchange::Failure failure, const QString &, quint64 ticket) {
            commandFailed(failure, ticket);
        });
}

void TransmitSequence::start(const Configuration &configuration)
{
    stop();
    ++m_run;
    m_configuration = configuration;
    m_sent = Configuration();
    m_position = 0;
    m_repetitions = 0;
    m_running = true;
    sendCurrent();
}

void TransmitSequence::cancel()
{
    stop();
}

void TransmitSequence::interrupt()
{
    if (!m_running)
        return;
    if (m_ticket) {
        m_interrupting = true;
        return;
    }
    // Waiting to repeat a refused command: nothing is in flight.
    stop();
    QTimer::singleShot(0, this, [this, run = m_run] {
        if (run == m_run && !m_running)
            fail(Exchange::Interrupted);
    });
}

void TransmitSequence::sendCurrent()
{
    if (!m_running)
        return;
    const Command command = commandOrder().at(m_position);
    m_current = ConfigurationFrames::command(m_configuration, command.entry, command.field);
    emit commandSent(command.entry, command.field);
    if (!m_running)
        return;
    m_ticket = m_exchange->send(
        Exchange::Sequence, m_current, ConfigurationText::valueName(command.entry, command.field));
}

void TransmitSequence::answer(const Frame &answer, quint64 ticket)
{
    if (!ticket || ticket != m_ticket)
        return;
    m_ticket = 0;
    if (answer.command == LinkCommand::NoAcknowledge) {
        if (m_interrupting) {
            stop();
            fail(Exchange::Interrupted);
        } else if (m_repetitions++ < MaxRepetitions) {
            m_repeatTimer.start();
        } else {
            stop();
            fail(Exchange::Refused);
        }
        return;
    }
    m_sent.apply(ConfigurationFrames::value(m_current));
    m_repetitions = 0;
    if (++m_position == CommandCount) {
        stop();
        emit finished();
        return;
    }
    if (m_interrupting) {
        stop();
        fail(Exchange::Interrupted);
        return;
    }
    sendCurrent();
}

void TransmitSequence::commandFailed(Exchange::Failure failure, quint64 ticket)
{
    if (!ticket || ticket != m_ticket)
        return;
    m_ticket = 0;
    const bool interrupting = m_interrupting;
    stop();
    fail(interrupting ? Exchange::Interrupted : failure);
}

void TransmitSequence::fail(Exchange::Failure failure)
{
    const Command command = commandOrder().at(m_position);
    emit failed(command.entry, command.field, failure);
}

void TransmitSequence::stop()
{
    m_running = false;
    m_interrupting = false;
    // The one place the repetition is dropped: a new run starts from here too.
    m_repeatTimer.stop();
    if (const quint64 ticket = std::exchange(m_ticket, 0))
        m_exchange->abandon(Exchange::Sequence, ticket);
}
