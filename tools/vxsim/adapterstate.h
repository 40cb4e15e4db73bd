#pragma once

#include "configuration.h"

#include <QString>

// What the simulated adapter remembers: the master password and the whole
// configuration, as the program's own value type.
struct AdapterState
{
    QString password; // digits
    Configuration configuration;

    // Back to the factory configuration; the password stays.
    void clearConfiguration() { configuration = Configuration(); }

    bool load(const QString &fileName, QString *error);
    bool save(const QString &fileName, QString *error) const;
};
