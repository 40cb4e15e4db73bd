#include "settingsfile.h"

#include <QFile>
#include <QFileInfo>

namespace SettingsFile {

bool isReadable(const QString &fileName)
{
    const QFileInfo info(fileName);
    return info.isFile() && info.size() <= SizeLimit;
}

Format formatOf(const QString &fileName)
{
    const QString suffix = QFileInfo(fileName).suffix();
    if (suffix.compare(QLatin1String("cvx"), Qt::CaseInsensitive) == 0)
        return Format::Legacy;
    if (suffix.compare(QLatin1String("tml"), Qt::CaseInsensitive) == 0 || !isReadable(fileName))
        return Format::Xml;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return Format::Xml;
    QByteArray start = file.read(256);
    if (start.startsWith("\xEF\xBB\xBF"))
        start.remove(0, 3);
    return start.trimmed().startsWith('<') ? Format::Xml : Format::Legacy;
}

} // namespace SettingsFile
