#include "simulatedadapter.h"

#include "protocol.h"

#include <utility>

namespace {

using Reply = SimulatedAdapter::Reply;

const Reply Ack { LinkCommand::Acknowledge, {} };
const Reply Nak { LinkCommand::NoAcknowledge, {} };

bool isEntry(byte value)
{
    return value < AdapterState::Entries;
}

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

SimulatedAdapter::SimulatedAdapter(const AdapterState &state)
    : m_state(state)
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
        m_loggedIn = payload == m_state.password;
        return m_loggedIn ? Ack : Nak;
    case LinkCommand::Reset:
        // Works without a login, as a way back for a forgotten configuration.
        if (payload != QByteArray(AdapterResetCode, sizeof AdapterResetCode))
            return Nak;
        m_state.clearConfiguration();
        m_changed = true;
        return Ack;
    case LinkCommand::ReadMasterPassword:
    case LinkCommand::ReadCallNumber:
    case LinkCommand::ReadCallRedirectTime:
    case LinkCommand::ReadMaxCallTime:
    case LinkCommand::ReadStatusByte:
    case LinkCommand::ReadBusAddress:
        return m_loggedIn ? read(command, payload) : Nak;
    default:
        return m_loggedIn ? configure(command, payload) : Nak;
    }
}

std::optional<Reply> SimulatedAdapter::configure(byte command, const QByteArray &payload)
{
    const byte entry = payload.isEmpty() ? byte(0xFF) : byte(payload.at(0));
    switch (command) {
    case LinkCommand::MasterPassword: {
        const QByteArray first = payload.left(payload.size() / 2);
        if (payload.size() != 8 || payload.mid(4) != first || !isDigitCode(first))
            return Nak;
        m_state.password = first;
        break;
    }
    case LinkCommand::CallNumber: {
        const byte slot = payload.size() >= 2 ? byte(payload.at(1)) : byte(0);
        const QByteArray digits = payload.mid(2);
        if (!isEntry(entry) || (slot != 1 && slot != 2) || !isDigitCode(digits))
            return Nak;
        m_state.callNumbers[entry][slot - 1] = digits;
        break;
    }
    case LinkCommand::CallRedirectTime:
    case LinkCommand::MaxCallTime:
        if (payload.size() != 1)
            return Nak;
        if (command == LinkCommand::MaxCallTime)
            m_state.maxCallTime = byte(payload.at(0));
        else
            m_state.redirectTime = byte(payload.at(0));
        break;
    case LinkCommand::StatusByte:
        if (payload.size() != 2 || !isEntry(entry))
            return Nak;
        m_state.statusBytes[entry] = byte(payload.at(1));
        break;
    case LinkCommand::BusAddress: {
        const QByteArray address = payload.mid(1);
        const bool cleared = address.size() >= 1 && address.at(0) == 0;
        if (entry < 1 || !isEntry(entry) || !(cleared || isBusAddress(address)))
            return Nak;
        m_state.busAddresses[entry] = cleared ? QByteArray() : address;
        break;
    }
    case LinkCommand::LockAttendeePassword:
    case LinkCommand::UnlockAttendeePassword:
        // Accepted, but nothing the configuration keeps.
        return payload.size() == 1 && isEntry(entry) ? Ack : Nak;
    default:
        return Nak;
    }
    m_changed = true;
    return Ack;
}

std::optional<Reply> SimulatedAdapter::read(byte command, const QByteArray &payload)
{
    const byte entry = payload.isEmpty() ? byte(0xFF) : byte(payload.at(0));
    switch (command) {
    case LinkCommand::ReadMasterPassword:
        return Reply { command, m_state.password };
    case LinkCommand::ReadCallRedirectTime:
        return Reply { command, QByteArray(1, char(m_state.redirectTime)) };
    case LinkCommand::ReadMaxCallTime:
        return Reply { command, QByteArray(1, char(m_state.maxCallTime)) };
    case LinkCommand::ReadCallNumber: {
        const byte slot = payload.size() >= 2 ? byte(payload.at(1)) : byte(0);
        if (!isEntry(entry) || (slot != 1 && slot != 2))
            return Nak;
        return Reply { command, payload.left(2) + m_state.callNumbers[entry][slot - 1] };
    }
    case LinkCommand::ReadStatusByte:
        if (!isEntry(entry))
            return Nak;
        return Reply { command, QByteArray(1, char(entry)) + char(m_state.statusBytes[entry]) };
    case LinkCommand::ReadBusAddress: {
        if (!isEntry(entry))
            return Nak;
        const QByteArray address = m_state.busAddresses[entry];
        return Reply { command, char(entry) + (address.isEmpty() ? QByteArray(1, '\0') : address) };
    }
    default:
        return Nak;
    }
}
