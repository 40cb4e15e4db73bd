#include "configurationtext.h"

#include <QCoreApplication>

namespace {

// lupdate finds the texts by their QT_TRANSLATE_NOOP markers.
QString translated(const char *text)
{
    return QCoreApplication::translate("ConfigurationText", text);
}

bool isTime(ConfigurationField field)
{
    return field == ConfigurationField::MaxCallTime
        || field == ConfigurationField::CallRedirectTime;
}

} // namespace

namespace ConfigurationText {

QList<byte> optionBits(int entry)
{
    QList<byte> bits { StatusBit::ExtendedFeatures, StatusBit::SignallingOff,
        StatusBit::SecondNumberFirst, StatusBit::RedirectToMaster, StatusBit::CallRedirect,
        StatusBit::DialWithoutWaiting };
    bits.removeIf([entry](byte bit) { return !(bit & Configuration::statusMask(entry)); });
    return bits;
}

QString optionName(int entry, byte bit)
{
    switch (bit) {
    case StatusBit::ExtendedFeatures:
        return translated(QT_TRANSLATE_NOOP(
            "ConfigurationText", "Erweiterte Funktionen (Teilnehmer Passwort) Freischalten"));
    case StatusBit::SignallingOff:
        return translated(QT_TRANSLATE_NOOP("ConfigurationText", "Rufsignalisierung AUS"));
    case StatusBit::SecondNumberFirst:
        return translated(
            QT_TRANSLATE_NOOP("ConfigurationText", "Rufnummer 2 vor Rufnummer 1 wählen"));
    case StatusBit::RedirectToMaster:
        return entry == Configuration::Master
            ? translated(
                QT_TRANSLATE_NOOP("ConfigurationText", "Alle Teilnehmer auf Master umleiten"))
            : translated(QT_TRANSLATE_NOOP("ConfigurationText", "Auf Master umleiten"));
    case StatusBit::CallRedirect:
        return translated(QT_TRANSLATE_NOOP("ConfigurationText", "Rufweiterschaltung"));
    case StatusBit::DialWithoutWaiting:
        return translated(QT_TRANSLATE_NOOP("ConfigurationText", "Wahl ohne warten"));
    default:
        return QString();
    }
}

QString entryName(int entry)
{
    return entry == Configuration::Master
        ? translated(QT_TRANSLATE_NOOP("ConfigurationText", "Master"))
        : translated(QT_TRANSLATE_NOOP("ConfigurationText", "Teilnehmer %1")).arg(entry);
}

QString fieldName(ConfigurationField field)
{
    switch (field) {
    case ConfigurationField::MaxCallTime:
        return translated(
            QT_TRANSLATE_NOOP("ConfigurationText", "Maximale Zeit der Rufsignalisierung"));
    case ConfigurationField::CallRedirectTime:
        return translated(
            QT_TRANSLATE_NOOP("ConfigurationText", "Zeit bis zur Rufweiterschaltung"));
    case ConfigurationField::CallNumber1:
        return translated(QT_TRANSLATE_NOOP("ConfigurationText", "Rufnummer 1"));
    case ConfigurationField::CallNumber2:
        return translated(QT_TRANSLATE_NOOP("ConfigurationText", "Rufnummer 2"));
    case ConfigurationField::StatusByte:
        return translated(QT_TRANSLATE_NOOP("ConfigurationText", "Optionen"));
    case ConfigurationField::BusAddress:
        return translated(QT_TRANSLATE_NOOP("ConfigurationText", "Kelvo-Adresse"));
    }
    return QString();
}

QString valueName(int entry, ConfigurationField field)
{
    if (isTime(field))
        return fieldName(field);
    //: "Rufnummer 2 von Teilnehmer 4"
    return translated(QT_TRANSLATE_NOOP("ConfigurationText", "%1 von %2"))
        .arg(fieldName(field), entryName(entry));
}

QString listedName(int entry, ConfigurationField field)
{
    return isTime(field) ? fieldName(field) : listedName(entry, fieldName(field));
}

QString listedName(int entry, const QString &name)
{
    //: "Teilnehmer 4, Rufnummer 2"
    return translated(QT_TRANSLATE_NOOP("ConfigurationText", "%1, %2")).arg(entryName(entry), name);
}

QString quoted(const QString &value)
{
    return value.isEmpty() ? translated(QT_TRANSLATE_NOOP("ConfigurationText", "(leer)")) : value;
}

QStringList limited(const QStringList &lines)
{
    if (lines.size() <= MaxListedLines)
        return lines;
    const int rest = int(lines.size()) - MaxListedLines;
    return lines.mid(0, MaxListedLines)
        << QCoreApplication::translate("ConfigurationText", "… und %n weitere", nullptr, rest);
}

} // namespace ConfigurationText
