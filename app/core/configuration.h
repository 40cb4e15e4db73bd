#pragma once

#include "vxtypes.h"

#include <QMetaType>
#include <QString>

#include <array>

// The bits of an entry's status byte; a set bit is a ticked option.
namespace StatusBit {
enum : byte {
    RedirectToMaster = 0x01, // the master's: all attendees to the master
    SignallingOff = 0x04,
    CallRedirect = 0x08,
    SecondNumberFirst = 0x10,
    ExtendedFeatures = 0x20, // attendees only
    DialWithoutWaiting = 0x40, // master only
};
// The bits that have an option; the others read as 0 and are dropped.
inline constexpr byte AttendeeMask
    = RedirectToMaster | SignallingOff | CallRedirect | SecondNumberFirst | ExtendedFeatures;
inline constexpr byte MasterMask
    = RedirectToMaster | SignallingOff | CallRedirect | SecondNumberFirst | DialWithoutWaiting;
} // namespace StatusBit

// The values of the configuration, as files, the adapter and the input check
// name them.
enum class ConfigurationField {
    MaxCallTime,
    CallRedirectTime,
    CallNumber1,
    CallNumber2,
    StatusByte,
    BusAddress,
};

// One entry: the master (0) or an attendee (1 to 9).
struct ConfigurationEntry
{
    QString callNumber1;
    QString callNumber2;
    // As entered, either order (12B or B12); empty: none. Always empty for the master.
    QString busAddress;
    byte statusByte = 0;

    bool operator==(const ConfigurationEntry &other) const;
    bool operator!=(const ConfigurationEntry &other) const { return !(*this == other); }
};

// One value for one field of one entry, as a file or the adapter hands it
// over. Times and the status byte are in number, call numbers and the bus
// address in text.
struct ConfigurationChange
{
    ConfigurationField field = ConfigurationField::MaxCallTime;
    int entry = 0; // not used for the times
    QString text;
    int number = 0;
    // The status bits the change carries; the others keep their state (the
    // older settings file has no extended-functions bit).
    byte bits = 0xff;

    bool operator==(const ConfigurationChange &other) const;
};

// What the adapter is told: the two times and the ten entries. A value type:
// the window shows one, files and the adapter give and take one.
class Configuration
{
public:
    static constexpr int EntryCount = 10;
    static constexpr int Master = 0;
    static constexpr int FirstAttendee = 1;
    static constexpr int LastAttendee = 9;
    // The call-number fields' lengths and the times' range.
    static constexpr int CallNumber1Length = 4;
    static constexpr int CallNumber2Length = 22;
    static constexpr int MaxTime = 99;

    int maxCallTime = 60;
    int callRedirectTime = 30;
    std::array<ConfigurationEntry, EntryCount> entries;

    static bool isEntry(int entry) { return entry >= Master && entry <= LastAttendee; }
    static byte statusMask(int entry)
    {
        return entry == Master ? StatusBit::MasterMask : StatusBit::AttendeeMask;
    }

    // Takes a change as the window does: times limited to 0 to 99, the status
    // byte cut to the entry's options, no bus address for the master, nothing
    // for an entry outside 0 to 9.
    void apply(const ConfigurationChange &change);

    bool operator==(const Configuration &other) const;
    bool operator!=(const Configuration &other) const { return !(*this == other); }
};
Q_DECLARE_METATYPE(Configuration)
