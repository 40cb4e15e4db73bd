#pragma once

#include "configuration.h"
#include "settingsfile.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

class QSaveFile;

// The XML configuration file (.tml).
class ConfigurationXml
{
public:
    // Times and status bytes in hex, bus addresses letter first, the master's
    // always empty, only the bits an entry has options for. A comment, if
    // given, opens the root element; it must hold no "--".
    static QByteArray toXml(const Configuration &configuration, const QString &comment = QString());
    // Replaces the file by a complete new one or leaves it as it was; on
    // failure errorString (if given) says why. A target that exists but is no
    // regular file is refused, since the new file would take its place.
    static bool save(const QString &fileName, const Configuration &configuration,
        QString *errorString, const QString &comment = QString());
    // The same in two steps, for values that take a while to come (a read
    // from the adapter): open() finds out first whether the file can be
    // written, and the file stays as it was until save() commits. A file
    // opened but never saved leaves nothing behind.
    static bool open(QSaveFile &file, QString *errorString);
    static bool save(QSaveFile &file, const Configuration &configuration, QString *errorString,
        const QString &comment = QString());

    // The values in document order, each as the window takes it (a time not
    // yet limited, the status byte's low 8 bits, 0 for what is no number);
    // nullopt for what is not a readable XML document.
    static std::optional<SettingsFileContents> fromXml(const QByteArray &data);
    // Also nullopt for a name that is no regular file, without opening it.
    static std::optional<SettingsFileContents> load(const QString &fileName);
    // The comment that opens the root element, as toXml writes it; empty when
    // there is none. Reads no further than the first value.
    static QString comment(const QString &fileName);
};
