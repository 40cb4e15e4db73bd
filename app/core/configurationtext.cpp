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
