#include "languageapplication.h"

#include "resourcepaths.h"

#include <QTranslator>

LanguageApplication::LanguageApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{ }

LanguageApplication::~LanguageApplication() = default;

void LanguageApplication::loadTranslation(
    const QString &prefix, const QString &locale, const QString &directory, bool replace)
{
    if (replace && currentTranslator) {
        removeTranslator(currentTranslator);
        // No longer installed anywhere, so nothing can reach it any more.
        delete currentTranslator;
    }

    currentTranslator = new QTranslator(this);
    // A missing catalogue is not an error: its texts simply stay German.
    const bool loaded = currentTranslator->load(prefix + locale, directory);
    qCDebug(lcResources).noquote()
        << "catalogue" << prefix + locale << (loaded ? "loaded from" : "not found in") << directory;
    installTranslator(currentTranslator);
}
