#include "simulatedadapter.h"

#include <utility>

namespace {

const Frame Ack = Frames::acknowledge();
const Frame Nak = Frames::noAcknowledge();

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

std::optional<Frame> SimulatedAdapter::handle(const Frame &frame)
{
    const QByteArray &payload = frame.payload;
    switch (frame.command) {
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
        return frame.isRequest() ? read(frame) : configure(frame);
    }
}

std::optional<Frame> SimulatedAdapter::configure(const Frame &frame)
{
    const QByteArray &payload = frame.payload;
    const byte entry = payload.isEmpty() ? byte(0xFF) : frame.at(0);
    Configuration &configuration = m_state.configuration;
    switch (frame.command) {
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
        if (frame.command == LinkCommand::MaxCallTime) {
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

// An answer carries the request's code with the payload of the command that
// sets the value; only the master password comes once, not twice.
std::optional<Frame> SimulatedAdapter::read(const Frame &request) const
{
    const byte command = request.command;
    const byte entry = request.payload.isEmpty() ? byte(0xFF) : request.at(0);
    const Configuration &configuration = m_state.configuration;
    const auto answer = [command](const Frame &setting) {
        return Frame { command, setting.payload };
    };
    switch (command) {
    case LinkCommand::ReadMasterPassword:
        return Frame { command, EncodeDigits(m_state.password) };
    case LinkCommand::ReadCallRedirectTime:
        return answer(Frames::callRedirectTime(byte(configuration.callRedirectTime), false));
    case LinkCommand::ReadMaxCallTime:
        return answer(Frames::callRedirectTime(byte(configuration.maxCallTime), true));
    case LinkCommand::ReadCallNumber: {
        const byte slot = request.at(1);
        if (!Configuration::isEntry(entry) || (slot != 1 && slot != 2))
            return Nak;
        const ConfigurationEntry &values = configuration.entries[entry];
        const QString number = slot == 1 ? values.callNumber1 : values.callNumber2;
        return answer(Frames::callNumber(entry, number.toLatin1(), slot));
    }
    case LinkCommand::ReadStatusByte:
        if (!Configuration::isEntry(entry))
            return Nak;
        return answer(Frames::statusByte(entry, configuration.entries[entry].statusByte));
    case LinkCommand::ReadBusAddress:
        if (!Configuration::isEntry(entry))
            return Nak;
        // An empty address reads as floor 0.
        return answer(Frames::busAddress(entry, configuration.entries[entry].busAddress));
    default:
        return Nak;
    }
}

void SimulatedAdapter::stored(int entry, ConfigurationField field)
{
    if (m_corruption)
        m_corruption->spoil(m_state.configuration, entry, field);
}
