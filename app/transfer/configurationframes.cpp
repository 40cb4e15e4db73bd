#include "configurationframes.h"

#include "kelvoaddress.h"

namespace ConfigurationFrames {

Frame command(const Configuration &configuration, int entry, ConfigurationField field)
{
    const ConfigurationEntry &values = configuration.entries.at(entry);
    switch (field) {
    case ConfigurationField::MaxCallTime:
        return Frames::callRedirectTime(byte(configuration.maxCallTime), true);
    case ConfigurationField::CallRedirectTime:
        return Frames::callRedirectTime(byte(configuration.callRedirectTime), false);
    case ConfigurationField::CallNumber1:
        return Frames::callNumber(byte(entry), values.callNumber1.toLatin1(), 1);
    case ConfigurationField::CallNumber2:
        return Frames::callNumber(byte(entry), values.callNumber2.toLatin1(), 2);
    case ConfigurationField::StatusByte:
        return Frames::statusByte(byte(entry), values.statusByte);
    case ConfigurationField::BusAddress:
        return Frames::busAddress(byte(entry), KelvoAddress::letterFirst(values.busAddress));
    }
    return {};
}

Frame request(int entry, ConfigurationField field)
{
    switch (field) {
    case ConfigurationField::MaxCallTime:
        return Frames::requestCallRedirectTime(true);
    case ConfigurationField::CallRedirectTime:
        return Frames::requestCallRedirectTime(false);
    case ConfigurationField::CallNumber1:
        return Frames::requestCallNumber(byte(entry), 1);
    case ConfigurationField::CallNumber2:
        return Frames::requestCallNumber(byte(entry), 2);
    case ConfigurationField::StatusByte:
        return Frames::requestStatusByte(byte(entry));
    case ConfigurationField::BusAddress:
        return Frames::requestBusAddress(byte(entry));
    }
    return {};
}

ConfigurationChange value(const Frame &frame)
{
    ConfigurationChange change;
    change.entry = frame.at(0);
    switch (frame.command) {
    case LinkCommand::MaxCallTime:
    case LinkCommand::ReadMaxCallTime:
        change.field = ConfigurationField::MaxCallTime;
        change.entry = Configuration::Master;
        change.number = frame.at(0);
        break;
    case LinkCommand::CallRedirectTime:
    case LinkCommand::ReadCallRedirectTime:
        change.field = ConfigurationField::CallRedirectTime;
        change.entry = Configuration::Master;
        change.number = frame.at(0);
        break;
    case LinkCommand::CallNumber:
    case LinkCommand::ReadCallNumber:
        change.field
            = frame.at(1) == 1 ? ConfigurationField::CallNumber1 : ConfigurationField::CallNumber2;
        change.text = Answers::callNumber(frame);
        break;
    case LinkCommand::StatusByte:
    case LinkCommand::ReadStatusByte:
        change.field = ConfigurationField::StatusByte;
        change.number = frame.at(1);
        break;
    case LinkCommand::BusAddress:
    case LinkCommand::ReadBusAddress:
        change.field = ConfigurationField::BusAddress;
        change.text = Answers::busAddress(frame);
        break;
    default:
        break;
    }
    return change;
}

} // namespace ConfigurationFrames
