#pragma once

#include "vxtypes.h"

#include <QString>

#include <array>
#include <optional>

// A settings file of the older program (.cvx, INI format with the sections
// "Master" and "Teilnehmer"); read only. Holds what the import puts on screen.
struct LegacySettings
{
    // The status bits the file carries; the import leaves the others alone.
    static constexpr byte MasterStatusMask = 0x5d;
    static constexpr byte AttendeeStatusMask = 0x1d;

    struct Attendee
    {
        QString callNumber1;
        QString callNumber2;
        QString busAddress; // as written, either order
        byte statusBits = 0; // within AttendeeStatusMask
    };

    // nullopt when the file cannot be read or is not such a settings file.
    static std::optional<LegacySettings> readFile(const QString &fileName);

    int maxCallTime = 0;
    int callRedirectTime = 0;
    QString masterCallNumber1;
    QString masterCallNumber2;
    byte masterStatusBits = 0; // within MasterStatusMask
    std::array<Attendee, 9> attendees; // attendee n at index n - 1
};
