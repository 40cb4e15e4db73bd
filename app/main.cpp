#include "languageapplication.h"
#include "mainwindow.h"
#include "resourcepaths.h"
#include "vxversion.h"

#include <QCommandLineParser>
#include <QFont>
#include <QIcon>
#include <QTranslator>

#include <cstdio>

namespace {

// The id of the menu entry, the AppStream metadata and the icon.
const char ApplicationId[] = "io.github.vxconfig.vxconfig";

void describe(QCommandLineParser &parser)
{
    // -stylesheet and the toolkit's other options must not read as -s -t -y ...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QCoreApplication::translate(
        "main", "Richtet einen VX-Adapter über die serielle Schnittstelle ein."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"),
        QCoreApplication::translate("main",
            "Eine Konfiguration (.tml) zum Öffnen oder eine alte Einstellung (.cvx) zum "
            "Importieren."),
        QStringLiteral("[file]"));
}

// The window starts in German, and so does its help, with the toolkit's texts.
void loadGermanCatalogues(QCoreApplication &application)
{
    for (const char *name : { "vxasoft_de_DE", "qt_de" }) {
        auto *translator = new QTranslator(&application);
        if (translator->load(QLatin1String(name), ResourcePaths::translationDirectory()))
            QCoreApplication::installTranslator(translator);
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("vxconfig"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VXCONFIG_VERSION));

    // Help and version come before any window, and without a display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser early;
    describe(early);
    early.parse(arguments);
    if (early.isSet(QStringLiteral("version"))) {
        std::printf("vxconfig %s\n", VXCONFIG_VERSION);
        return 0;
    }
    if (early.isSet(QStringLiteral("help"))) {
        QCoreApplication application(argc, argv);
        loadGermanCatalogues(application);
        QCommandLineParser parser; // again, now with the texts translated
        describe(parser);
        std::fputs(qPrintable(parser.helpText()), stdout);
        return 0;
    }

    LanguageApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QLatin1String(ApplicationId));
    QGuiApplication::setWindowIcon(QIcon::fromTheme(QLatin1String(ApplicationId)));
    // Now without the toolkit's own options; anything else unknown ends here.
    QCommandLineParser parser;
    describe(parser);
    parser.process(app);
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        std::fputs(qPrintable(QCoreApplication::translate(
                       "main", "vxconfig öffnet nur die erste Datei, %1.\n")
                                  .arg(files.first())),
            stderr);

    QApplication::setFont(QFont(QStringLiteral("Arial"), 8));
    MainWindow window;
    window.show();
    if (!files.isEmpty()) {
        // Once the event loop runs, so that any message stands over the window.
        QMetaObject::invokeMethod(
            &window, [&window, file = files.first()] { window.openPath(file); },
            Qt::QueuedConnection);
    }
    return app.exec();
}
