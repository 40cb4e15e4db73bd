#include "languageapplication.h"

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
    (void)currentTranslator->load(prefix + locale, directory);
    installTranslator(currentTranslator);
}
