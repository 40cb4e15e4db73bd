#include "legacysettings.h"

#include "settingsfilelimit.h"

#include <QFile>
#include <QSettings>
#include <QStringList>
#include <QVariant>

namespace {

const QString MasterGroup = QStringLiteral("Master");
const QString AttendeeGroup = QStringLiteral("Teilnehmer");
const QChar ItemSeparator = QLatin1Char(';');

// The INI reader hands back an unquoted value that contains commas as a list;
// for a single text the commas belong to it.
QString text(const QVariant &value)
{
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

// Nine items separated by ";", which needs quotes in this format. A hand-edited
// file may separate them by commas instead, which the INI reader splits itself.
QStringList items(const QVariant &value)
{
    if (value.typeId() != QMetaType::QStringList)
        return value.toString().split(ItemSeparator);
    QStringList result;
    for (const QString &part : value.toStringList())
        result += part.split(ItemSeparator);
    return result;
}

int decimal(const QVariant &value)
{
    bool ok = false;
    const int number = text(value).toInt(&ok, 10);
    return ok ? number : 0;
}

// Eight characters, the most significant bit first; only a "1" sets its bit, and
// a character beyond the end of a short text counts as clear.
byte statusBits(const QString &status, byte mask)
{
    byte bits = 0;
    for (int bit = 0; bit < 8; ++bit) {
        const int position = 7 - bit;
        if ((mask & (1 << bit)) && position < status.size()
            && status.at(position) == QLatin1Char('1'))
            bits |= byte(1 << bit);
    }
    return bits;
}

} // namespace

std::optional<LegacySettings> LegacySettings::readFile(const QString &fileName)
{
    {
        // The INI reader reads whatever the file holds, so only a regular file of
        // sensible size is handed to it.
        QFile file(fileName);
        if (!file.open(QIODevice::ReadOnly) || file.isSequential()
            || file.size() > SettingsFileSizeLimit)
            return std::nullopt;
    }

    QSettings ini(fileName, QSettings::IniFormat);
    const QStringList groups = ini.childGroups();
    if (ini.status() != QSettings::NoError
        || (!groups.contains(MasterGroup) && !groups.contains(AttendeeGroup)))
        return std::nullopt;

    LegacySettings settings;
    ini.beginGroup(MasterGroup);
    settings.maxCallTime = decimal(ini.value(QStringLiteral("Maxrufsignalisierung")));
    settings.callRedirectTime = decimal(ini.value(QStringLiteral("Rufweiterschaltung")));
    settings.masterCallNumber1 = text(ini.value(QStringLiteral("MasterNummer1")));
    settings.masterCallNumber2 = text(ini.value(QStringLiteral("MasterNummer2")));
    settings.masterStatusBits
        = statusBits(text(ini.value(QStringLiteral("MasterStatusByte"))), MasterStatusMask);
    ini.endGroup();

    ini.beginGroup(AttendeeGroup);
    const QStringList callNumbers1 = items(ini.value(QStringLiteral("Rufnummer1")));
    const QStringList callNumbers2 = items(ini.value(QStringLiteral("Rufnummer2")));
    const QStringList busAddresses = items(ini.value(QStringLiteral("KelvoAdresse")));
    const QStringList statusTexts = items(ini.value(QStringLiteral("Statusbytes")));
    ini.endGroup();

    // A short list leaves the remaining attendees empty.
    for (int index = 0; index < int(settings.attendees.size()); ++index) {
        Attendee &attendee = settings.attendees[index];
        attendee.callNumber1 = callNumbers1.value(index);
        attendee.callNumber2 = callNumbers2.value(index);
        attendee.busAddress = busAddresses.value(index);
        attendee.statusBits = statusBits(statusTexts.value(index), AttendeeStatusMask);
    }
    return settings;
}
