#include "backupstore.h"

#include "configurationxml.h"

#include <QDir>
#include <QStandardPaths>

namespace {

const QString Suffix = QStringLiteral(".tml");

} // namespace

namespace BackupStore {

QString directory()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QLatin1String("/vxconfig/backups");
}

QString save(const Configuration &configuration, QString *errorString, const QDateTime &when,
    const QString &folder)
{
    QDir dir(folder);
    if (!dir.mkpath(QStringLiteral("."))) {
        *errorString = QDir::toNativeSeparators(folder);
        return QString();
    }
    // Two writes within one second keep both backups.
    const QString stem = when.toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss"));
    QString name = stem + Suffix;
    for (int n = 2; dir.exists(name); ++n)
        name = stem + QLatin1Char('_') + QString::number(n) + Suffix;
    const QString path = dir.filePath(name);
    if (!ConfigurationXml::save(path, configuration, errorString))
        return QString();

    // The names sort by time.
    const QStringList backups
        = dir.entryList({ QLatin1Char('*') + Suffix }, QDir::Files, QDir::Name | QDir::Reversed);
    for (qsizetype i = Kept; i < backups.size(); ++i)
        dir.remove(backups.at(i));
    return path;
}

} // namespace BackupStore
