#pragma once

#include <QApplication>

class QTranslator;

// The application object, which also owns the installed translation catalogues.
class LanguageApplication : public QApplication
{
    Q_OBJECT

public:
    LanguageApplication(int &argc, char **argv);
    ~LanguageApplication() override;

    // Loads directory/prefix+locale.qm and installs it even when the file is
    // missing (an empty catalogue changes no text). With replace, the catalogue
    // installed last is removed first; older ones stay installed beneath.
    void loadTranslation(
        const QString &prefix, const QString &locale, const QString &directory, bool replace);

private:
    QTranslator *currentTranslator = nullptr;
};
