#pragma once

#include "settingsfile.h"
#include "vxtypes.h"

#include <QString>

#include <array>
#include <optional>

// A settings file of the older program (.cvx, INI format with the sections
// "Master" and "Teilnehmer"); read only.
class LegacySettings
{
public:
    // Always the whole screen, in the older program's order: maximum call
    // time, redirect time, the master's numbers and options, then per attendee
    // its numbers, address and options. A missing key or item reads as empty
    // (a time as 0). The file has no extended-functions bit: status changes
    // carry only the other option bits. nullopt for a name that is no regular
    // file or for a file without either section.
    static std::optional<SettingsFileContents> load(const QString &fileName);
};
