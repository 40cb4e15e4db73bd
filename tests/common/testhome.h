#pragma once

// Settings, backups and folders in a home of the test's own, away from the
// developer's and from test runs of other checkouts; before the first window.

#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

struct TestHome
{
    TestHome()
    {
        qputenv("HOME", dir.path().toLocal8Bit());
        QStandardPaths::setTestModeEnabled(true);
    }
    // What earlier windows remembered.
    static void forget()
    {
        QSettings(QStringLiteral("vxconfig"), QStringLiteral("vxconfig")).clear();
    }

    QTemporaryDir dir;
};
