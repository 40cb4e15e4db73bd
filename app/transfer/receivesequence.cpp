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
    connect(exchange, &Exchange::noAnswer, this,
        [this](Exchange::Lane, const QString &, quint64 ticket) { timedOut(ticket); });
}

void ReceiveSequence::start()
{
    stop();
    ++m_run;
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

void ReceiveSequence::sendCurrent()
{
    if (!m_running)
        return;
    if (m_entry > Configuration::LastAttendee) {
        m_running = false;
        emit finished();
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
        stop();
        emit refused(m_entry, m_field);
        return;
    }
    const ConfigurationChange value = ConfigurationFrames::value(answer);
    m_received.apply(value);
    ++m_answered;
    const quint64 run = m_run;
    emit valueReceived(value);
    if (run != m_run || !m_running)
        return;
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

void ReceiveSequence::timedOut(quint64 ticket)
{
    if (!ticket || ticket != m_ticket)
        return;
    m_ticket = 0;
    stop();
    emit noAnswer(m_entry, m_field);
}

void ReceiveSequence::stop()
{
    m_running = false;
    if (const quint64 ticket = std::exchange(m_ticket, 0))
        m_exchange->abandon(Exchange::Sequence, ticket);
}
