#include "configurationtext.h"

#include <QCoreApplication>

namespace {

QString translate(const char *text)
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
    return entry == Configuration::Master ? translate("Master")
                                          : translate("Teilnehmer %1").arg(entry);
}

QString fieldName(ConfigurationField field)
{
    switch (field) {
    case ConfigurationField::MaxCallTime:
        return translate("Maximale Zeit der Rufsignalisierung");
    case ConfigurationField::CallRedirectTime:
        return translate("Zeit bis zur Rufweiterschaltung");
    case ConfigurationField::CallNumber1:
        return translate("Rufnummer 1");
    case ConfigurationField::CallNumber2:
        return translate("Rufnummer 2");
    case ConfigurationField::StatusByte:
        return translate("Optionen");
    case ConfigurationField::BusAddress:
        return translate("Kelvo-Adresse");
    }
    return QString();
}

QString valueName(int entry, ConfigurationField field)
{
    if (isTime(field))
        return fieldName(field);
    //: "Rufnummer 2 von Teilnehmer 4"
    return translate("%1 von %2").arg(fieldName(field), entryName(entry));
}

} // namespace ConfigurationText
