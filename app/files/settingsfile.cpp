#include "settingsfile.h"

#include <QFileInfo>

namespace SettingsFile {

bool isReadable(const QString &fileName)
{
    const QFileInfo info(fileName);
    return info.isFile() && info.size() <= SizeLimit;
}

} // namespace SettingsFile
