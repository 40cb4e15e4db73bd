#pragma once

#include "configuration.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

// The adapter's configuration as it was before each write or reset, one XML
// configuration file each, named by the local date and time
// (2026-12-07_14-03-12.tml, then 2026-12-07_14-03-12_2.tml within the same
// second); only the newest are kept. Other files in the folder are left alone.
namespace BackupStore {
inline constexpr int Kept = 50;

// Where a backup came from: the port it was read through and the file shown
// on screen at the time (empty for an unnamed screen). Kept in the file as a
// comment that readers of configuration files skip.
struct Origin
{
    QString port;
    QString file;

    bool operator==(const Origin &other) const { return port == other.port && file == other.file; }
    bool operator!=(const Origin &other) const { return !(*this == other); }
};

struct Backup
{
    QString path;
    QDateTime when; // from the name
    std::optional<Origin> origin; // none in backups of older versions
};

// In the user's data folder (~/.local/share/vxconfig/backups), the same for
// every program of this project.
QString directory();

// The path of the new backup, or empty with errorString saying why; a backup
// is complete or not there at all. Safe against other processes saving into
// the same folder at the same time.
QString save(const Configuration &configuration, const Origin &origin, QString *errorString,
    const QDateTime &when = QDateTime::currentDateTime(), const QString &folder = directory());

// The backups in folder, newest first.
QList<Backup> list(const QString &folder = directory());
} // namespace BackupStore
