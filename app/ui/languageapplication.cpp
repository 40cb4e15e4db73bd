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
    if (replace) {
        for (QTranslator *translator : std::as_const(languageTranslators)) {
            removeTranslator(translator);
            // No longer installed anywhere, so nothing can reach it any more.
            delete translator;
        }
        languageTranslators.clear();
    }

    auto *translator = new QTranslator(this);
    // A missing catalogue is not an error: its texts simply stay German.
    const bool loaded = translator->load(prefix + locale, directory);
    qCDebug(lcResources).noquote()
        << "catalogue" << prefix + locale << (loaded ? "loaded from" : "not found in") << directory;
    installTranslator(translator);
    languageTranslators.append(translator);
}
