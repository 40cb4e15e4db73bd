#include "simulatedadapter.h"

#include "protocol.h"

#include <utility>

namespace {

using Reply = SimulatedAdapter::Reply;

const Reply Ack { LinkCommand::Acknowledge, {} };
const Reply Nak { LinkCommand::NoAcknowledge, {} };

bool isDigitCode(const QByteArray &digits)
{
    for (char c : digits) {
        if (byte(c) < 1 || byte(c) > 10)
            return false;
    }
    return true;
}

// A floor the DIP switches can set (1 to 27) and a letter A to I.
bool isBusAddress(const QByteArray &address)
{
    return address.size() == 2 && byte(address.at(0)) >= 1 && byte(address.at(0)) <= 27
        && address.at(1) >= 'A' && address.at(1) <= 'I';
}

} // namespace

SimulatedAdapter::SimulatedAdapter(const AdapterState &state, std::optional<Corruption> corruption)
    : m_state(state)
    , m_corruption(corruption)
{ }

bool SimulatedAdapter::takeChanged()
{
    return std::exchange(m_changed, false);
}

std::optional<Reply> SimulatedAdapter::handle(byte command, const QByteArray &payload)
{
    switch (command) {
    case LinkCommand::Acknowledge:
    case LinkCommand::NoAcknowledge:
        return std::nullopt;
    case LinkCommand::Login:
        if (payload.isEmpty()) {
            m_loggedIn = false;
            return Ack;
        }
        m_loggedIn = payload == EncodeDigits(m_state.password);
        return m_loggedIn ? Ack : Nak;
    case LinkCommand::Reset:
        // Works without a login, as a way back for a forgotten configuration.
        if (payload != QByteArray(AdapterResetCode, sizeof AdapterResetCode))
            return Nak;
        m_state.clearConfiguration();
        m_changed = true;
        return Ack;
    default:
        if (!m_loggedIn)
            return Nak;
        return Frame { command, payload }.isRequest() ? read(command, payload)
                                                      : configure(command, payload);
    }
}

std::optional<Reply> SimulatedAdapter::configure(byte command, const QByteArray &payload)
{
    const Frame frame { command, payload };
    const byte entry = payload.isEmpty() ? byte(0xFF) : frame.at(0);
    Configuration &configuration = m_state.configuration;
    switch (command) {
    case LinkCommand::MasterPassword: {
        const QByteArray first = payload.left(payload.size() / 2);
        if (payload.size() != 8 || payload.mid(4) != first || !isDigitCode(first))
            return Nak;
        m_state.password = QString::fromLatin1(DecodeDigits(first));
        break;
    }
    case LinkCommand::CallNumber: {
        const byte slot = frame.at(1);
        if (!Configuration::isEntry(entry) || (slot != 1 && slot != 2)
            || !isDigitCode(payload.mid(2)))
            return Nak;
        ConfigurationEntry &values = configuration.entries[entry];
        (slot == 1 ? values.callNumber1 : values.callNumber2) = Answers::callNumber(frame);
        stored(
            entry, slot == 1 ? ConfigurationField::CallNumber1 : ConfigurationField::CallNumber2);
        break;
    }
    case LinkCommand::CallRedirectTime:
    case LinkCommand::MaxCallTime:
        if (payload.size() != 1)
            return Nak;
        if (command == LinkCommand::MaxCallTime) {
            configuration.maxCallTime = frame.at(0);
            stored(Configuration::Master, ConfigurationField::MaxCallTime);
        } else {
            configuration.callRedirectTime = frame.at(0);
            stored(Configuration::Master, ConfigurationField::CallRedirectTime);
        }
        break;
    case LinkCommand::StatusByte:
        if (payload.size() != 2 || !Configuration::isEntry(entry))
            return Nak;
        // As sent, all eight bits: the adapter does not know which have an option.
        configuration.entries[entry].statusByte = frame.at(1);
        stored(entry, ConfigurationField::StatusByte);
        break;
    case LinkCommand::BusAddress: {
        const QByteArray address = payload.mid(1);
        const bool cleared = address.size() >= 1 && address.at(0) == 0;
        if (entry == Configuration::Master || !Configuration::isEntry(entry)
            || !(cleared || isBusAddress(address)))
            return Nak;
        configuration.entries[entry].busAddress = Answers::busAddress(frame);
        stored(entry, ConfigurationField::BusAddress);
        break;
    }
    case LinkCommand::LockAttendeePassword:
    case LinkCommand::UnlockAttendeePassword:
        // Accepted, but nothing the configuration keeps.
        return payload.size() == 1 && Configuration::isEntry(entry) ? Ack : Nak;
    default:
        return Nak;
    }
    m_changed = true;
    return Ack;
}

std::optional<Reply> SimulatedAdapter::read(byte command, const QByteArray &payload) const
{
    const byte entry = payload.isEmpty() ? byte(0xFF) : byte(payload.at(0));
    const Configuration &configuration = m_state.configuration;
    switch (command) {
    case LinkCommand::ReadMasterPassword:
        return Reply { command, EncodeDigits(m_state.password) };
    case LinkCommand::ReadCallRedirectTime:
        return Reply { command, QByteArray(1, char(configuration.callRedirectTime)) };
    case LinkCommand::ReadMaxCallTime:
        return Reply { command, QByteArray(1, char(configuration.maxCallTime)) };
    case LinkCommand::ReadCallNumber: {
        const byte slot = payload.size() >= 2 ? byte(payload.at(1)) : byte(0);
        if (!Configuration::isEntry(entry) || (slot != 1 && slot != 2))
            return Nak;
        const ConfigurationEntry &values = configuration.entries[entry];
        const QString number = slot == 1 ? values.callNumber1 : values.callNumber2;
        return Reply { command, Frames::callNumber(entry, number.toLatin1(), slot).payload };
    }
    case LinkCommand::ReadStatusByte:
        if (!Configuration::isEntry(entry))
            return Nak;
        return Reply { command,
            Frames::statusByte(entry, configuration.entries[entry].statusByte).payload };
    case LinkCommand::ReadBusAddress:
        if (!Configuration::isEntry(entry))
            return Nak;
        // An empty address reads as floor 0.
        return Reply { command,
            Frames::busAddress(entry, configuration.entries[entry].busAddress).payload };
    default:
        return Nak;
    }
}

void SimulatedAdapter::stored(int entry, ConfigurationField field)
{
    if (m_corruption)
        m_corruption->spoil(m_state.configuration, entry, field);
}
