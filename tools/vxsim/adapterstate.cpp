#include "adapterstate.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace {

// Byte arrays go into the file as hex, so that any byte the program sent
// comes back unchanged.
QString hex(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex());
}

QByteArray unhex(const QJsonValue &value)
{
    return QByteArray::fromHex(value.toString().toLatin1());
}

} // namespace

void AdapterState::clearConfiguration()
{
    const QByteArray keep = password;
    *this = AdapterState();
    password = keep;
}

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
    loaded.password = unhex(root.value(QLatin1String("password")));
    loaded.redirectTime = byte(root.value(QLatin1String("redirectTime")).toInt(30));
    loaded.maxCallTime = byte(root.value(QLatin1String("maxCallTime")).toInt(60));
    const QJsonArray entries = root.value(QLatin1String("entries")).toArray();
    for (int i = 0; i < Entries && i < entries.size(); ++i) {
        const QJsonObject entry = entries.at(i).toObject();
        loaded.callNumbers[i][0] = unhex(entry.value(QLatin1String("callNumber1")));
        loaded.callNumbers[i][1] = unhex(entry.value(QLatin1String("callNumber2")));
        loaded.statusBytes[i] = byte(entry.value(QLatin1String("statusByte")).toInt());
        loaded.busAddresses[i] = unhex(entry.value(QLatin1String("busAddress")));
    }
    *this = loaded;
    return true;
}

bool AdapterState::save(const QString &fileName, QString *error) const
{
    QJsonArray entries;
    for (int i = 0; i < Entries; ++i) {
        entries.append(QJsonObject {
            { QLatin1String("callNumber1"), hex(callNumbers[i][0]) },
            { QLatin1String("callNumber2"), hex(callNumbers[i][1]) },
            { QLatin1String("statusByte"), statusBytes[i] },
            { QLatin1String("busAddress"), hex(busAddresses[i]) },
        });
    }
    const QJsonObject root {
        { QLatin1String("password"), hex(password) },
        { QLatin1String("redirectTime"), redirectTime },
        { QLatin1String("maxCallTime"), maxCallTime },
        { QLatin1String("entries"), entries },
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
