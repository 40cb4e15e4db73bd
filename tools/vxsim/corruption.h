#pragma once

#include "configuration.h"

#include <QString>

#include <optional>

// One value that the simulated adapter stores wrongly, so that a read-back
// after a write has a difference to find.
struct Corruption
{
    int entry = Configuration::Master;
    ConfigurationField field = ConfigurationField::CallNumber1;

    // "4:callnumber2", "0:status", "maxcalltime" (the times need no entry);
    // nothing for a text it does not understand.
    static std::optional<Corruption> parse(const QString &text);
    // The field names parse() takes, for the help text.
    static QString fieldNames();

    // Spoils the value just stored for field of entry if it is this one: a
    // time or a call number's last digit one off, status bit 0x08 flipped,
    // the address letter one on (I wraps to A); an empty value gets one.
    void spoil(Configuration &configuration, int entry, ConfigurationField field) const;
};
