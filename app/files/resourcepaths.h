#pragma once

#include <QLoggingCategory>
#include <QString>
#include <QStringList>

// Where images and catalogues were looked for and what was found there, for
// QT_LOGGING_RULES="vxconfig.resources.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcResources)

// Where the program's images and catalogues are: beside the program (the
// build's run-time directory), else in ../share/vxconfig (an installed
// program), never in the working directory. VXCONFIG_DATA_DIR names another
// folder (the tests, which run from their own build folders).
namespace ResourcePaths {
QString dataDirectory();
QString translationDirectory();
// Where the manual (README.md) may be, in this order: beside images/ and
// translation/ (the build), or in share/doc/vxconfig (an installed program).
QStringList manualLocations();
// The first of them that exists, else empty.
QString manualFile();
// Lets forms and code name icons "images:send.svg"; call before the first
// icon is loaded.
void registerImages();
} // namespace ResourcePaths
