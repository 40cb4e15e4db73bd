#pragma once

#include "vxtypes.h"

#include <QByteArray>
#include <QString>

#include <array>

// What the simulated adapter remembers: the master password and the whole
// configuration, all kept in the bytes that travel on the wire.
struct AdapterState
{
    static constexpr int Entries = 10; // 0 master, 1 to 9 attendees

    QByteArray password; // digit code
    byte redirectTime = 30;
    byte maxCallTime = 60;
    std::array<std::array<QByteArray, 2>, Entries> callNumbers; // digit code, slots 1 and 2
    std::array<byte, Entries> statusBytes {};
    std::array<QByteArray, Entries> busAddresses; // floor byte, then the letter; empty: none

    // Back to the factory configuration; the password stays.
    void clearConfiguration();

    bool load(const QString &fileName, QString *error);
    bool save(const QString &fileName, QString *error) const;
};
