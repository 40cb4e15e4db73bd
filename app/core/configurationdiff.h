#pragma once

#include "configuration.h"

#include <QList>
#include <QString>
#include <QStringList>

// A value that the adapter gave back other than it was written, both as a
// message shows them.
struct ConfigurationDifference
{
    int entry = 0; // not used for the times
    ConfigurationField field = ConfigurationField::MaxCallTime;
    QString written;
    QString read;

    bool operator==(const ConfigurationDifference &other) const;
};

// The times, then per entry its call numbers, options and address. Only the
// entry's option bits count, and an address counts as its switch setting, so
// a written 12A equals a read A12.
QList<ConfigurationDifference> configurationDifferences(
    const Configuration &written, const Configuration &read);

// "Teilnehmer 4, Rufnummer 2: geschrieben 0301234, gelesen 0301243".
QString differenceLine(const ConfigurationDifference &difference);
// One line each, limited for a message box.
QStringList differenceLines(const QList<ConfigurationDifference> &differences);

// What a write is about to change: the differences of the screen (written)
// from what the adapter holds (read, by the backup before the write), as
// "Teilnehmer 4, Rufnummer 2: 0301243 → 0301234", the adapter's value first;
// options one line a box, "Master, Rufweiterschaltung: aus → ein".
QString changeLine(const ConfigurationDifference &difference);
// All lines, one a value or option box.
QStringList changeLines(const QList<ConfigurationDifference> &differences);
