#pragma once

#include "configuration.h"

#include <QDateTime>
#include <QString>

// The adapter's configuration as it was before each write or reset, one XML
// configuration file each, named by the local date and time
// (2026-12-07_14-03-12.tml); only the newest are kept.
namespace BackupStore {
inline constexpr int Kept = 50;

// In the user's data folder (~/.local/share/vxconfig/backups), the same for
// every program of this project.
QString directory();

// The path of the new backup, or empty with errorString saying why.
QString save(const Configuration &configuration, QString *errorString,
    const QDateTime &when = QDateTime::currentDateTime(), const QString &folder = directory());
} // namespace BackupStore
