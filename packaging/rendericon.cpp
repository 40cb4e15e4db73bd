// Renders the scalable icon into the PNG sizes of the hicolor theme, at build
// time, so that nothing beyond QtGui is needed where the program runs.
// Usage: rendericon <icon.svg> <output folder> <size>...; each PNG is named
// like the drawing.

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() < 4)
        return 2;
    QSvgRenderer renderer(arguments.at(1));
    if (!renderer.isValid())
        return 1;
    const QString name
        = QLatin1Char('/') + QFileInfo(arguments.at(1)).completeBaseName() + QLatin1String(".png");
    for (const QString &size : arguments.mid(3)) {
        const int pixels = size.toInt();
        QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(arguments.at(2), size);
        if (pixels <= 0 || !QDir().mkpath(folder) || !image.save(folder + name))
            return 1;
    }
    return 0;
}
