#pragma once

#include <QtGlobal>

// Our settings files are a few kilobytes; a much larger file is not one of them
// and would only keep the parsers busy.
constexpr qint64 SettingsFileSizeLimit = 1024 * 1024;
