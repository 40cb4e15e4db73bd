#include "backupstore.h"

#include "configurationxml.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QUrl>

#include <algorithm>
#include <tuple>

namespace {

const QString Suffix = QStringLiteral(".tml");
const QString StemFormat = QStringLiteral("yyyy-MM-dd_HH-mm-ss");

// The lines of the comment that tells where a backup came from.
const QString Heading = QStringLiteral(" vxconfig backup");
const QString PortKey = QStringLiteral(" port: ");
const QString FileKey = QStringLiteral(" file: ");

// A name as the store gives it: the time, and from the second backup within
// one second on a counter.
struct Name
{
    QString fileName;
    QString stem;
    int counter = 1;
};

std::optional<Name> storeName(const QString &fileName)
{
    static const QRegularExpression pattern(
        QStringLiteral(R"(^(\d{4}-\d\d-\d\d_\d\d-\d\d-\d\d)(?:_([2-9]|[1-9]\d{1,8}))?\.tml$)"));
    const QRegularExpressionMatch match = pattern.match(fileName);
    if (!match.hasMatch() || !QDateTime::fromString(match.captured(1), StemFormat).isValid())
        return std::nullopt;
    return Name { fileName, match.captured(1), qMax(1, match.captured(2).toInt()) };
}

// The store's own files, newest first; names of the same second by counter,
// not as text (_10 is newer than _9).
QList<Name> storeNames(const QDir &dir)
{
    QList<Name> names;
    for (const QString &fileName : dir.entryList({ QLatin1Char('*') + Suffix }, QDir::Files)) {
        if (const std::optional<Name> name = storeName(fileName))
            names.append(*name);
    }
    std::sort(names.begin(), names.end(), [](const Name &a, const Name &b) {
        return std::tie(b.stem, b.counter) < std::tie(a.stem, a.counter);
    });
    return names;
}

// A comment can hold no "--" and must not end in "-", XML no control
// character; '%' is escaped too, so that decoding gives back the value.
QString escaped(const QString &value)
{
    QString text;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        const bool dash = c == u'-' && (i + 1 == value.size() || value.at(i + 1) == u'-');
        if (dash || c == u'%' || c < u' ' || c.isNonCharacter())
            text += QString::fromLatin1(QString(c).toUtf8().toPercentEncoding({}, "-"));
        else
            text += c;
    }
    return text;
}

QString comment(const BackupStore::Origin &origin)
{
    return QLatin1Char('\n') + Heading + QLatin1Char('\n') + PortKey + escaped(origin.port)
        + QLatin1Char('\n') + FileKey + escaped(origin.file) + QLatin1String("\n ");
}

std::optional<BackupStore::Origin> origin(const QString &comment)
{
    const QStringList lines = comment.split(u'\n');
    if (!lines.contains(Heading))
        return std::nullopt;
    BackupStore::Origin origin;
    for (const QString &line : lines) {
        if (line.startsWith(PortKey))
            origin.port = QUrl::fromPercentEncoding(line.mid(PortKey.size()).toUtf8());
        else if (line.startsWith(FileKey))
            origin.file = QUrl::fromPercentEncoding(line.mid(FileKey.size()).toUtf8());
    }
    return origin;
}

// Only the store's own files, and never the one just written: with the clock
// behind, its name sorts below all others.
void rotate(QDir &dir, const QString &written)
{
    int kept = 1;
    for (const Name &name : storeNames(dir)) {
        if (name.fileName != written && ++kept > BackupStore::Kept)
            dir.remove(name.fileName);
    }
}

} // namespace

namespace BackupStore {

QString directory()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QLatin1String("/vxconfig/backups");
}

QString save(const Configuration &configuration, const Origin &origin, QString *errorString,
    const QDateTime &when, const QString &folder)
{
    QDir dir(folder);
    if (!dir.mkpath(QStringLiteral("."))) {
        *errorString = QDir::toNativeSeparators(folder);
        return QString();
    }
    // Creating the file takes the name, and fails for a name that exists: two
    // writes in the same second, in this process or another, keep both.
    const QString stem = when.toString(StemFormat);
    QString path;
    for (int n = 1;; ++n) {
        path = dir.filePath(stem + (n > 1 ? u'_' + QString::number(n) : QString()) + Suffix);
        QFile file(path);
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            break;
        if (!QFileInfo::exists(path)) {
            *errorString = file.errorString();
            return QString();
        }
    }
    // Written beside the empty file and renamed over it, so that the name
    // never holds a backup cut short.
    if (!ConfigurationXml::save(path, configuration, errorString, comment(origin))) {
        QFile::remove(path);
        return QString();
    }
    rotate(dir, QFileInfo(path).fileName());
    return path;
}

QList<Backup> list(const QString &folder)
{
    const QDir dir(folder);
    QList<Backup> backups;
    for (const Name &name : storeNames(dir)) {
        const QString path = dir.filePath(name.fileName);
        // A name taken but not yet filled, or left so by a crash, is no backup.
        if (QFileInfo(path).size() == 0)
            continue;
        backups.append({ path, QDateTime::fromString(name.stem, StemFormat),
            origin(ConfigurationXml::comment(path)) });
    }
    return backups;
}

} // namespace BackupStore
