#include "corruption.h"

#include <QStringList>

#include <array>
#include <utility>

namespace {

const std::array<std::pair<const char *, ConfigurationField>, 6> FieldNames { {
    { "maxcalltime", ConfigurationField::MaxCallTime },
    { "redirecttime", ConfigurationField::CallRedirectTime },
    { "callnumber1", ConfigurationField::CallNumber1 },
    { "callnumber2", ConfigurationField::CallNumber2 },
    { "status", ConfigurationField::StatusByte },
    { "busaddress", ConfigurationField::BusAddress },
} };

bool isTime(ConfigurationField field)
{
    return field == ConfigurationField::MaxCallTime
        || field == ConfigurationField::CallRedirectTime;
}

QString nextDigit(const QString &number)
{
    if (number.isEmpty())
        return QStringLiteral("1");
    const int last = number.back().digitValue();
    return number.chopped(1) + QString::number((last + 1) % 10);
}

// Letter first, as the adapter keeps it.
QString nextLetter(const QString &address)
{
    if (address.isEmpty())
        return QStringLiteral("A1");
    const QChar letter = address.front() == QLatin1Char('I') ? QLatin1Char('A')
                                                             : QChar(address.front().unicode() + 1);
    return letter + address.mid(1);
}

} // namespace

std::optional<Corruption> Corruption::parse(const QString &text)
{
    const QStringList parts = text.toLower().split(QLatin1Char(':'));
    if (parts.size() > 2)
        return std::nullopt;
    Corruption corruption;
    if (parts.size() == 2) {
        bool ok = false;
        corruption.entry = parts.first().toInt(&ok);
        if (!ok || !Configuration::isEntry(corruption.entry))
            return std::nullopt;
    }
    for (const auto &[name, field] : FieldNames) {
        if (parts.last() == QLatin1String(name)) {
            corruption.field = field;
            if (parts.size() == 1 && !isTime(field))
                return std::nullopt;
            return corruption;
        }
    }
    return std::nullopt;
}

QString Corruption::fieldNames()
{
    QStringList names;
    for (const auto &each : FieldNames)
        names << QLatin1String(each.first);
    return names.join(QLatin1String(", "));
}

void Corruption::spoil(Configuration &configuration, int entry, ConfigurationField field) const
{
    if (field != this->field || (!isTime(field) && entry != this->entry))
        return;
    ConfigurationEntry &values = configuration.entries[entry];
    switch (field) {
    case ConfigurationField::MaxCallTime:
        configuration.maxCallTime ^= 1;
        break;
    case ConfigurationField::CallRedirectTime:
        configuration.callRedirectTime ^= 1;
        break;
    case ConfigurationField::CallNumber1:
        values.callNumber1 = nextDigit(values.callNumber1);
        break;
    case ConfigurationField::CallNumber2:
        values.callNumber2 = nextDigit(values.callNumber2);
        break;
    case ConfigurationField::StatusByte:
        values.statusByte ^= StatusBit::CallRedirect;
        break;
    case ConfigurationField::BusAddress:
        values.busAddress = nextLetter(values.busAddress);
        break;
    }
}
