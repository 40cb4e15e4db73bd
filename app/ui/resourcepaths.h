#pragma once

#include <QString>

// Where the program's images and catalogues are: beside the program (the
// build's run-time directory), else in ../share/vxconfig (an installed
// program), never in the working directory. VXCONFIG_DATA_DIR names another
// folder (the tests, which run from their own build folders).
namespace ResourcePaths {
QString dataDirectory();
QString translationDirectory();
// Lets forms and code name icons "images:send.png"; call before the first
// icon is loaded.
void registerImages();
} // namespace ResourcePaths
