#pragma once

#include <QtCore/qglobal.h>

// Defined only while the library itself is compiled; every user of the
// headers imports the symbols instead.
#if defined(KELVOADDRESSLABEL_LIBRARY)
#define KELVOADDRESSLABEL_EXPORT Q_DECL_EXPORT
#else
#define KELVOADDRESSLABEL_EXPORT Q_DECL_IMPORT
#endif
