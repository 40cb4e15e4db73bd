#include "adapterstate.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace {

const QLatin1String PasswordKey("password");
const QLatin1String MaxCallTimeKey("maxCallTime");
const QLatin1String RedirectTimeKey("callRedirectTime");
const QLatin1String EntriesKey("entries");
const QLatin1String Number1Key("callNumber1");
const QLatin1String Number2Key("callNumber2");
const QLatin1String StatusKey("statusByte");
const QLatin1String AddressKey("busAddress");

} // namespace

bool AdapterState::load(const QString &fileName, QString *error)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return false;
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (!document.isObject()) {
        *error = parseError.errorString();
        return false;
    }
    const QJsonObject root = document.object();
    AdapterState loaded;
    loaded.password = root.value(PasswordKey).toString();
    Configuration &configuration = loaded.configuration;
    configuration.maxCallTime = root.value(MaxCallTimeKey).toInt(configuration.maxCallTime);
    configuration.callRedirectTime
        = root.value(RedirectTimeKey).toInt(configuration.callRedirectTime);
    const QJsonArray entries = root.value(EntriesKey).toArray();
    for (int i = 0; i < Configuration::EntryCount && i < entries.size(); ++i) {
        const QJsonObject values = entries.at(i).toObject();
        ConfigurationEntry &entry = configuration.entries[i];
        entry.callNumber1 = values.value(Number1Key).toString();
        entry.callNumber2 = values.value(Number2Key).toString();
        entry.statusByte = byte(values.value(StatusKey).toInt());
        entry.busAddress = values.value(AddressKey).toString();
    }
    *this = loaded;
    return true;
}

bool AdapterState::save(const QString &fileName, QString *error) const
{
    QJsonArray entries;
    for (const ConfigurationEntry &entry : configuration.entries) {
        entries.append(QJsonObject {
            { Number1Key, entry.callNumber1 },
            { Number2Key, entry.callNumber2 },
            { StatusKey, entry.statusByte },
            { AddressKey, entry.busAddress },
        });
    }
    const QJsonObject root {
        { PasswordKey, password },
        { MaxCallTimeKey, configuration.maxCallTime },
        { RedirectTimeKey, configuration.callRedirectTime },
        { EntriesKey, entries },
    };
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    file.write(QJsonDocument(root).toJson());
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}
