#include "languageapplication.h"
#include "mainwindow.h"

#include <QFont>

int main(int argc, char *argv[])
{
    LanguageApplication app(argc, argv);
    QApplication::setFont(QFont(QStringLiteral("Arial"), 8));

    MainWindow window;
    window.show();
    return app.exec();
}
