// The backups: which files rotate, names that no other writer shares, and
// where each backup came from, kept so that readers of the file skip it.

#include "backupstore.h"
#include "configurationxml.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <future>
#include <sys/resource.h>

namespace {

const QDateTime Noon(QDate(2026, 6, 1), QTime(12, 0));
// With what a comment cannot hold as it is: "--", a dash at its end, control characters.
const BackupStore::Origin Taken { QStringLiteral("/dev/serial/by-id/usb-FTDI_A1-if00--"),
    QString::fromUtf8("/home/anna/Süd--%41-\n\x01\xef\xbf\xbe.tml-") };

// Names as the store gives them, a minute apart.
QStringList storeNames(int count)
{
    QStringList names;
    for (int i = 0; i < count; ++i)
        names << QStringLiteral("2026-01-01_00-%1-00.tml").arg(i, 2, 10, QLatin1Char('0'));
    return names;
}

} // namespace

class TestBackupStore : public QObject
{
    Q_OBJECT

private slots:
    void save_data();
    void save();
    void sameSecondInParallel();
};

void TestBackupStore::save_data()
{
    QTest::addColumn<QStringList>("existing"); // each holding its own name
    QTest::addColumn<QDateTime>("when");
    QTest::addColumn<int>("sizeLimit"); // bytes a file may grow to, as on a full disk
    QTest::addColumn<QString>("written"); // empty: refused
    QTest::addColumn<QStringList>("removed");

    const QStringList full = storeNames(50); // the newest 50 are kept
    const QStringList others { "0-my-own-config.tml", "notes.txt", "2026-13-01_00-00-00.tml",
        "2026-01-01_00-00-00_1.tml", "2026-01-01_00-00-00.tml~" };
    QTest::newRow("only the store's own files rotate")
        << full + others << Noon << 0 << "2026-06-01_12-00-00.tml" << QStringList { full[0] };
    QTest::newRow("clock behind the newest name")
        << full << QDateTime(QDate(2020, 1, 1), QTime(8, 0)) << 0 << "2020-01-01_08-00-00.tml"
        << QStringList { full[0] };
    QTest::newRow("name taken by another writer; _10 is newer than _9")
        << QStringList { "2026-06-01_12-00-00.tml", "2025-12-31_23-59-59_9.tml",
               "2025-12-31_23-59-59_10.tml" }
            + storeNames(47)
        << Noon << 0 << "2026-06-01_12-00-00_2.tml" << QStringList { "2025-12-31_23-59-59_9.tml" };
    QTest::newRow("disk full: nothing left behind, nothing rotated")
        << full << Noon << 64 << QString() << QStringList();
}

void TestBackupStore::save()
{
    QFETCH(QStringList, existing);
    QFETCH(QDateTime, when);
    QFETCH(int, sizeLimit);
    QFETCH(QString, written);
    QFETCH(QStringList, removed);

    QTemporaryDir dir;
    for (const QString &name : existing) {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(name.toUtf8()) > 0);
    }
    rlimit limit {};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &limit), 0);
    const rlimit full { sizeLimit ? rlim_t(sizeLimit) : limit.rlim_cur, limit.rlim_max };
    std::signal(SIGXFSZ, SIG_IGN);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &full), 0);
    QString error;
    const QString path = BackupStore::save(Configuration(), Taken, &error, when, dir.path());
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);
    QCOMPARE(QFileInfo(path).fileName(), written);
    QCOMPARE(error.isEmpty(), !written.isEmpty());

    // The others as they were, or gone; the new one read like any other file.
    QStringList left = QDir(dir.path()).entryList(QDir::Files);
    for (const QString &name : std::as_const(existing)) {
        QFile file(dir.filePath(name));
        const bool kept = file.open(QIODevice::ReadOnly) && file.readAll() == name.toUtf8();
        QVERIFY2(kept != removed.contains(name), qPrintable(name));
        left.removeOne(name);
    }
    QCOMPARE(left, written.isEmpty() ? QStringList() : QStringList { written });
    QCOMPARE(bool(ConfigurationXml::load(path)), !written.isEmpty());
    for (const BackupStore::Backup &backup : BackupStore::list(dir.path()))
        QCOMPARE(backup.origin == Taken, backup.path == path);
}

// Two writers in the same second, as two programs at two adapters: each
// keeps all of its backups, none overwritten by the other.
void TestBackupStore::sameSecondInParallel()
{
    QTemporaryDir dir;
    const auto writer = [&](int w) {
        QStringList paths;
        QString error;
        for (int i = 0; i < BackupStore::Kept / 2; ++i)
            paths << BackupStore::save({}, { QString::number(w), {} }, &error, Noon, dir.path());
        return paths;
    };
    auto first = std::async(std::launch::async, writer, 0);
    auto second = std::async(std::launch::async, writer, 1);
    const QStringList paths[] = { first.get(), second.get() };

    const QList<BackupStore::Backup> backups = BackupStore::list(dir.path());
    QCOMPARE(backups.size(), BackupStore::Kept / 2 * 2);
    for (const BackupStore::Backup &backup : backups)
        QVERIFY(backup.origin && paths[backup.origin->port.toInt()].contains(backup.path));
}

QTEST_APPLESS_MAIN(TestBackupStore)
#include "tst_backupstore.moc"
