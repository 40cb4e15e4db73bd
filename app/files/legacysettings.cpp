#include "legacysettings.h"

#include <QFile>
#include <QSettings>
#include <QStringList>
#include <QTemporaryFile>
#include <QVariant>

#include <algorithm>

namespace {

const QString MasterGroup = QStringLiteral("Master");
const QString AttendeeGroup = QStringLiteral("Teilnehmer");
const QChar ItemSeparator = QLatin1Char(';');
constexpr int StatusLength = 8;
const QByteArray Utf8ByteOrderMark = QByteArrayLiteral("\xef\xbb\xbf");

// The INI reader hands back an unquoted value that contains commas as a list;
// for a single text the commas belong to it.
QString plainText(const QVariant &value)
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

// The options an entry's status string carries: all but extended functions.
byte carriedBits(int entry)
{
    return Configuration::statusMask(entry) & ~StatusBit::ExtendedFeatures;
}

// Eight characters, the most significant bit first; only a "1" sets its bit, and
// a character beyond the end of a short text counts as clear.
byte statusBits(const QString &status, byte mask)
{
    byte bits = 0;
    for (int bit = 0; bit < StatusLength; ++bit) {
        const int position = StatusLength - 1 - bit;
        if ((mask & (1 << bit)) && position < status.size()
            && status.at(position) == QLatin1Char('1'))
            bits |= byte(1 << bit);
    }
    return bits;
}

// Some editors begin a file with a UTF-8 byte-order mark. The INI reader skips
// it but then reports a format error when a section follows; it gets a copy
// without the mark instead. False for a file that begins without one.
bool copyWithoutByteOrderMark(const QString &fileName, QTemporaryFile &copy)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly) || file.read(Utf8ByteOrderMark.size()) != Utf8ByteOrderMark)
        return false;
    const QByteArray rest = file.readAll();
    return copy.open() && copy.write(rest) == rest.size() && copy.flush();
}

class Reader
{
public:
    explicit Reader(QSettings &ini)
        : ini(ini)
    { }

    // A decimal number; a missing key gives 0 without complaint, as the older
    // program had it.
    void time(ConfigurationField field, const QString &key)
    {
        bool ok = false;
        const int value = plainText(ini.value(key)).toInt(&ok, 10);
        if (ini.contains(key) && (!ok || value < 0 || value > Configuration::MaxTime))
            contents.problems.append({ Configuration::Master, field, plainText(ini.value(key)) });
        contents.changes.append({ field, Configuration::Master, {}, value });
    }

    // A call number or bus address.
    void value(int entry, ConfigurationField field, const QString &text)
    {
        const bool fits = field == ConfigurationField::BusAddress ? isBusAddress(text)
                                                                  : isCallNumber(field, text);
        if (!fits)
            contents.problems.append({ entry, field, text });
        contents.changes.append({ field, entry, text });
    }

    // An empty status string is none given: all options off, as before.
    void status(int entry, const QString &text)
    {
        const bool bitString = text.size() == StatusLength
            && std::all_of(
                text.cbegin(), text.cend(), [](QChar c) { return c == u'0' || c == u'1'; });
        if (!text.isEmpty() && !bitString)
            contents.problems.append({ entry, ConfigurationField::StatusByte, text });
        const byte bits = carriedBits(entry);
        contents.changes.append(
            { ConfigurationField::StatusByte, entry, {}, statusBits(text, bits), bits });
    }

    QSettings &ini;
    SettingsFileContents contents;
};

} // namespace

std::optional<SettingsFileContents> LegacySettings::load(const QString &fileName)
{
    // The INI reader reads whatever the file holds, so only a regular file of
    // sensible size is handed to it.
    if (!SettingsFile::isReadable(fileName))
        return std::nullopt;
    QTemporaryFile copy;
    QSettings ini(copyWithoutByteOrderMark(fileName, copy) ? copy.fileName() : fileName,
        QSettings::IniFormat);
    const QStringList groups = ini.childGroups();
    if (ini.status() != QSettings::NoError
        || (!groups.contains(MasterGroup) && !groups.contains(AttendeeGroup)))
        return std::nullopt;

    Reader reader(ini);
    ini.beginGroup(MasterGroup);
    reader.time(ConfigurationField::MaxCallTime, QStringLiteral("Maxrufsignalisierung"));
    reader.time(ConfigurationField::CallRedirectTime, QStringLiteral("Rufweiterschaltung"));
    reader.value(Configuration::Master, ConfigurationField::CallNumber1,
        plainText(ini.value(QStringLiteral("MasterNummer1"))));
    reader.value(Configuration::Master, ConfigurationField::CallNumber2,
        plainText(ini.value(QStringLiteral("MasterNummer2"))));
    reader.status(Configuration::Master, plainText(ini.value(QStringLiteral("MasterStatusByte"))));
    ini.endGroup();

    ini.beginGroup(AttendeeGroup);
    const QStringList callNumbers1 = items(ini.value(QStringLiteral("Rufnummer1")));
    const QStringList callNumbers2 = items(ini.value(QStringLiteral("Rufnummer2")));
    const QStringList busAddresses = items(ini.value(QStringLiteral("KelvoAdresse")));
    const QStringList statusTexts = items(ini.value(QStringLiteral("Statusbytes")));
    ini.endGroup();

    // Attendee n takes item n - 1; a short list leaves the rest empty, and
    // items beyond the ninth have no attendee.
    for (int n = Configuration::FirstAttendee; n <= Configuration::LastAttendee; ++n) {
        reader.value(n, ConfigurationField::CallNumber1, callNumbers1.value(n - 1));
        reader.value(n, ConfigurationField::CallNumber2, callNumbers2.value(n - 1));
        reader.value(n, ConfigurationField::BusAddress, busAddresses.value(n - 1));
        reader.status(n, statusTexts.value(n - 1));
    }
    return reader.contents;
}
