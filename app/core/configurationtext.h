#pragma once

#include "configuration.h"

#include <QString>
#include <QStringList>

// The names of entries and values in the user's language, for messages that
// say which value is meant ("Rufnummer 2 von Teilnehmer 4").
namespace ConfigurationText {
// "Master" or "Teilnehmer 4".
QString entryName(int entry);
// "Rufnummer 2", "Kelvo-Adresse", ...
QString fieldName(ConfigurationField field);
// "Rufnummer 2 von Teilnehmer 4"; a time just by its name.
QString valueName(int entry, ConfigurationField field);
// "Teilnehmer 4, Rufnummer 2", the head of a line in a list of values; a time
// just by its name.
QString listedName(int entry, ConfigurationField field);
// "Teilnehmer 4, Rufweiterschaltung": an entry and anything it has, by name.
QString listedName(int entry, const QString &name);
// The option bits of an entry in the order the panels show them, and each
// one's text as the panels show it ("Rufweiterschaltung").
QList<byte> optionBits(int entry);
QString optionName(int entry, byte bit);
// A value as a message quotes it; an empty one reads "(leer)".
QString quoted(const QString &value);
// A list for a message box: at most MaxListedLines, the rest summed up in one
// more line, "… und 3 weitere".
constexpr int MaxListedLines = 10;
QStringList limited(const QStringList &lines);
} // namespace ConfigurationText
