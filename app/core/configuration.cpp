#include "configuration.h"

#include <QtGlobal>

bool ConfigurationEntry::operator==(const ConfigurationEntry &other) const
{
    return callNumber1 == other.callNumber1 && callNumber2 == other.callNumber2
        && busAddress == other.busAddress && statusByte == other.statusByte;
}

bool ConfigurationChange::operator==(const ConfigurationChange &other) const
{
    return field == other.field && entry == other.entry && text == other.text
        && number == other.number && bits == other.bits;
}

void Configuration::apply(const ConfigurationChange &change)
{
    switch (change.field) {
    case ConfigurationField::MaxCallTime:
        maxCallTime = qBound(0, change.number, MaxTime);
        return;
    case ConfigurationField::CallRedirectTime:
        callRedirectTime = qBound(0, change.number, MaxTime);
        return;
    default:
        break;
    }
    if (!isEntry(change.entry))
        return;
    ConfigurationEntry &entry = entries[change.entry];
    switch (change.field) {
    case ConfigurationField::CallNumber1:
        entry.callNumber1 = change.text;
        break;
    case ConfigurationField::CallNumber2:
        entry.callNumber2 = change.text;
        break;
    case ConfigurationField::StatusByte:
        entry.statusByte = byte((entry.statusByte & ~change.bits) | (change.number & change.bits))
            & statusMask(change.entry);
        break;
    case ConfigurationField::BusAddress:
        if (change.entry != Master)
            entry.busAddress = change.text;
        break;
    default:
        break;
    }
}

bool Configuration::operator==(const Configuration &other) const
{
    return maxCallTime == other.maxCallTime && callRedirectTime == other.callRedirectTime
        && entries == other.entries;
}
