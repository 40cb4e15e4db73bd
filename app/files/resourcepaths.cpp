#include "resourcepaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

Q_LOGGING_CATEGORY(lcResources, "vxconfig.resources", QtInfoMsg)

namespace {

const char ImagesFolder[] = "images";
const char TranslationFolder[] = "translation";

bool holdsResources(const QString &directory)
{
    return QFileInfo(directory + QLatin1Char('/') + QLatin1String(ImagesFolder)).isDir()
        || QFileInfo(directory + QLatin1Char('/') + QLatin1String(TranslationFolder)).isDir();
}

} // namespace

namespace ResourcePaths {

QString dataDirectory()
{
    const QString chosen = qEnvironmentVariable("VXCONFIG_DATA_DIR");
    if (!chosen.isEmpty())
        return QDir(chosen).absolutePath();
    const QString programDirectory = QCoreApplication::applicationDirPath();
    const QString installed
        = QDir::cleanPath(programDirectory + QLatin1String("/../share/vxconfig"));
    for (const QString &candidate : { programDirectory, installed }) {
        if (holdsResources(candidate))
            return candidate;
    }
    return programDirectory;
}

QString translationDirectory()
{
    return dataDirectory() + QLatin1Char('/') + QLatin1String(TranslationFolder);
}

QStringList manualLocations()
{
    const QString data = dataDirectory();
    return { data + QLatin1String("/README.md"),
        QDir::cleanPath(data + QLatin1String("/../doc/vxconfig/README.md")) };
}

QString manualFile()
{
    for (const QString &candidate : manualLocations()) {
        if (QFileInfo::exists(candidate))
            return candidate;
    }
    return QString();
}

void registerImages()
{
    const QString folder = dataDirectory() + QLatin1Char('/') + QLatin1String(ImagesFolder);
    QDir::setSearchPaths(QLatin1String(ImagesFolder), { folder });
    qCDebug(lcResources).noquote() << "images in" << folder << ":"
                                   << QDir(folder).entryList({ QStringLiteral("*.svg") }).size();
}

} // namespace ResourcePaths
