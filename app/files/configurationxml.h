#pragma once

#include "vxtypes.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <array>
#include <optional>

// The XML configuration file (.tml). Writing takes a snapshot of the screen;
// reading yields the values in document order, because the window applies them
// one by one and a time that is set can trigger the call-time check.
class ConfigurationXml
{
public:
    struct Entry
    {
        QString callNumber1;
        QString callNumber2;
        QString busAddress; // letter first; ignored for the master
        byte statusByte = 0;
    };

    struct Values
    {
        int maxCallTime = 0;
        int callRedirectTime = 0;
        std::array<Entry, 10> entries; // 0 master, 1 to 9 attendees
    };

    struct Change
    {
        enum Field {
            MaxCallTime,
            CallRedirectTime,
            CallNumber1,
            CallNumber2,
            BusAddress,
            StatusByte
        };

        Field field = MaxCallTime;
        int entry = 0; // 0 to 9; unused for the times
        QString text; // call numbers and bus address
        int number = 0; // times (not yet limited) and status byte
    };

    static QByteArray write(const Values &values);
    // Replaces the file only by a complete new one; false when that failed.
    static bool writeFile(const QString &fileName, const Values &values);

    // nullopt when the data is not a readable XML document.
    static std::optional<QList<Change>> read(const QByteArray &data);
    static std::optional<QList<Change>> readFile(const QString &fileName);
};
