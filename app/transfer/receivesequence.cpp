#include "receivesequence.h"

#include "configurationframes.h"
#include "configurationtext.h"

#include <utility>

ReceiveSequence::ReceiveSequence(Exchange *exchange, QObject *parent)
    : QObject(parent)
    , m_exchange(exchange)
{
    connect(exchange, &Exchange::answered, this,
        [this](Exchange::Lane, const Frame &frame, quint64 ticket) { answer(frame, ticket); });
    connect(exchange, &Exchange::failed, this,
        [this](Exchange::Lane, Exchange::Failure failure, const QString &, quint64 ticket) {
            requestFailed(failure, ticket);
        });
}

void ReceiveSequence::start()
{
    stop();
    m_received = Configuration();
    m_field = ConfigurationField::MaxCallTime;
    m_entry = Configuration::Master;
    m_answered = 0;
    m_running = true;
    sendCurrent();
}

void ReceiveSequence::cancel()
{
    stop();
}

void ReceiveSequence::interrupt()
{
    // A request is always in flight while the run goes on.
    if (m_running)
        m_interrupting = true;
}

void ReceiveSequence::sendCurrent()
{
    if (m_entry > Configuration::LastAttendee) {
        stop();
        emit finished();
        return;
    }
    if (m_interrupting) {
        stop();
        emit failed(m_entry, m_field, Exchange::Interrupted);
        return;
    }
    emit requestSent(m_entry, m_field);
    if (!m_running)
        return;
    m_ticket = m_exchange->send(Exchange::Sequence, ConfigurationFrames::request(m_entry, m_field),
        ConfigurationText::valueName(m_entry, m_field));
}

void ReceiveSequence::answer(const Frame &answer, quint64 ticket)
{
    if (!ticket || ticket != m_ticket)
        return;
    m_ticket = 0;
    if (answer.command == LinkCommand::NoAcknowledge) {
        requestFailed(Exchange::Refused, 0);
        return;
    }
    const ConfigurationChange value = ConfigurationFrames::value(answer);
    m_received.apply(value);
    ++m_answered;
    advance(value.field);
    sendCurrent();
}

void ReceiveSequence::advance(ConfigurationField answered)
{
    switch (answered) {
    case ConfigurationField::StatusByte:
        if (m_entry == Configuration::Master) {
            m_field = ConfigurationField::CallNumber1;
            m_entry = Configuration::FirstAttendee;
            return;
        }
        m_field = ConfigurationField::BusAddress;
        return;
    case ConfigurationField::BusAddress:
        m_field = ConfigurationField::CallNumber1;
        ++m_entry;
        return;
    default:
        m_field = ConfigurationField(int(m_field) + 1);
        return;
    }
}

// ticket 0: the request's own refusal, already taken.
void ReceiveSequence::requestFailed(Exchange::Failure failure, quint64 ticket)
{
    if (ticket && ticket != m_ticket)
        return;
    if (ticket)
        m_ticket = 0;
    if (!m_running)
        return;
    const bool interrupting = m_interrupting;
    stop();
    emit failed(m_entry, m_field, interrupting ? Exchange::Interrupted : failure);
}

void ReceiveSequence::stop()
{
    m_running = false;
    m_interrupting = false;
    if (const quint64 ticket = std::exchange(m_ticket, 0))
        m_exchange->abandon(Exchange::Sequence, ticket);
}
