#pragma once

#include "configuration.h"

#include <QString>

// The names of entries and values in the user's language, for messages that
// say which value is meant ("Rufnummer 2 von Teilnehmer 4").
namespace ConfigurationText {
// "Master" or "Teilnehmer 4".
QString entryName(int entry);
// "Rufnummer 2", "Kelvo-Adresse", ...
QString fieldName(ConfigurationField field);
// "Rufnummer 2 von Teilnehmer 4"; a time just by its name.
QString valueName(int entry, ConfigurationField field);
} // namespace ConfigurationText
