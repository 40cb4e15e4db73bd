#pragma once

#include "configuration.h"
#include "inputcheck.h"

#include <QList>
#include <QString>

// What a settings file brings: the values in the order the window takes them
// (a later one wins; a time set can trigger the call-time check), and those
// among them that the adapter cannot take, which go on screen all the same.
struct SettingsFileContents
{
    QList<ConfigurationChange> changes;
    QList<ValueProblem> problems;
};

namespace SettingsFile {
// Our settings files are a few kilobytes; a much larger file is not one of them
// and would only keep the parsers busy.
constexpr qint64 SizeLimit = 1024 * 1024;

// Whether the name is a regular file (links followed) within the size limit.
// Asked before opening: opening a pipe waits for a writer, and reading a
// device may never end.
bool isReadable(const QString &fileName);

enum class Format { Xml, Legacy };
// By the suffix, .tml or .cvx in any case; a name with another suffix by its
// content: what starts with "<" is XML, anything else is taken for the older file.
Format formatOf(const QString &fileName);
} // namespace SettingsFile
