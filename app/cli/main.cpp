// vxconfig-cli: the adapter's configuration from scripts, without a window.

#include "clitool.h"
#include "commandline.h"
#include "console.h"
#include "resourcepaths.h"
#include "vxversion.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTranslator>

#include <cstdio>

namespace {

// German is the source language; its catalogues still bring the toolkit's
// own texts (those of --help) and any corrections.
void loadCatalogues(const QString &language)
{
    const QStringList names = language == QLatin1String("en")
        ? QStringList { QStringLiteral("vxasoft_en_EN") }
        : QStringList { QStringLiteral("vxasoft_de_DE"), QStringLiteral("qt_de") };
    for (const QString &name : names) {
        auto *translator = new QTranslator(QCoreApplication::instance());
        // A missing catalogue leaves the texts German.
        if (translator->load(name, ResourcePaths::translationDirectory()))
            QCoreApplication::installTranslator(translator);
    }
}

void print(std::FILE *stream, const QString &text)
{
    std::fputs(qPrintable(text), stream);
}

int runTool(const QString &language)
{
    QCoreApplication::setApplicationVersion(QStringLiteral(VXCONFIG_VERSION));
    loadCatalogues(language);
    // Parsed again, now with the texts in the user's language.
    CommandLine translated;
    switch (translated.parse(QCoreApplication::arguments())) {
    case CommandLine::ShowHelp:
        print(stdout, translated.helpText());
        return 0;
    case CommandLine::ShowVersion:
        print(stdout,
            QCoreApplication::applicationName() + QLatin1Char(' ')
                + QCoreApplication::applicationVersion() + QLatin1Char('\n'));
        return 0;
    case CommandLine::Invalid:
        print(stderr,
            QCoreApplication::applicationName() + QLatin1String(": ") + translated.errorText()
                + QLatin1Char('\n'));
        return int(ExitCode::BadInput);
    case CommandLine::Run:
        break;
    }
    Console console;
    console.setQuiet(translated.isQuiet());
    return int(CliTool(translated, console).run());
}

template<typename Application>
int runWith(int argc, char *argv[], const QString &language)
{
    Application application(argc, argv);
    return runTool(language);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("vxconfig-cli"));
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    // Before there is an application object: the command chooses its kind.
    CommandLine early;
    early.parse(arguments);
    if (early.command() != CommandLine::Sheet)
        return runWith<QCoreApplication>(argc, argv, early.language());
    // The sheet is painted, which takes a QGuiApplication but never a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return runWith<QGuiApplication>(argc, argv, early.language());
}
