#pragma once

#include <QApplication>
#include <QList>

class QTranslator;

// The application object, which also owns the installed translation catalogues.
class LanguageApplication : public QApplication
{
    Q_OBJECT

public:
    LanguageApplication(int &argc, char **argv);
    ~LanguageApplication() override;

    // Loads directory/prefix+locale.qm and installs it even when the file is
    // missing (an empty catalogue changes no text). With replace, it begins a
    // language: every catalogue installed for the one before is removed
    // first. Without, it joins the catalogues of the language under way (the
    // toolkit's own texts beside the program's).
    void loadTranslation(
        const QString &prefix, const QString &locale, const QString &directory, bool replace);

private:
    QList<QTranslator *> languageTranslators; // of the language chosen last
};
