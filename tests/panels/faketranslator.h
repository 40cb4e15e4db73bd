#pragma once

// Stands in for a loaded catalogue: translates only the texts it was given,
// each in the context it was given, so a test sees both whether a widget
// retranslates and whether it asks in the right context.

#include <QCoreApplication>
#include <QHash>
#include <QPair>
#include <QTranslator>

class FakeTranslator : public QTranslator
{
public:
    void add(const char *context, const char *source, const QString &translation)
    {
        translations.insert({ QString::fromUtf8(context), QString::fromUtf8(source) }, translation);
    }

    QString translate(
        const char *context, const char *source, const char * = nullptr, int = -1) const override
    {
        return translations.value({ QString::fromUtf8(context), QString::fromUtf8(source) });
    }

    bool isEmpty() const override { return false; }

private:
    QHash<QPair<QString, QString>, QString> translations;
};

// Installs or removes a translator and delivers the language-change events
// that the application posts to its windows.
inline bool switchLanguage(QTranslator *translator, bool install = true)
{
    const bool done = install ? QCoreApplication::installTranslator(translator)
                              : QCoreApplication::removeTranslator(translator);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    return done;
}
