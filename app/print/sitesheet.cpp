#include "sitesheet.h"

#include "sitesheetlayout.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

SiteSheet::SiteSheet(const Configuration &configuration, const QString &fileName, QDate date)
    : m_configuration(configuration)
    , m_fileName(fileName)
    , m_date(date)
{ }

bool SiteSheet::paint(QPagedPaintDevice &device) const
{
    const SiteSheetLayout layout(m_configuration, m_fileName, m_date, device);
    const QList<SiteSheetLayout::Page> pages = layout.pages();
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    for (int page = 0; page < pages.size(); ++page) {
        if (page > 0)
            device.newPage();
        layout.paintPage(painter, pages[page], page, int(pages.size()));
    }
    return painter.end();
}

bool SiteSheet::writePdf(const QString &path, QString *error) const
{
    QSaveFile file(path);
    bool painted = false;
    if (file.open(QIODevice::WriteOnly)) {
        QPdfWriter writer(&file);
        setUpPage(writer);
        writer.setTitle(SiteSheetLayout::title());
        writer.setCreator(QCoreApplication::applicationName());
        painted = paint(writer);
    }
    if (painted && file.commit())
        return true;
    if (error)
        *error = file.error() != QFileDevice::NoError ? file.errorString()
                                                      : tr("Das Blatt ließ sich nicht zeichnen.");
    return false;
}

QString SiteSheet::withPdfSuffix(const QString &path)
{
    const QString suffix = QStringLiteral(".pdf");
    return path.endsWith(suffix, Qt::CaseInsensitive) ? path : path + suffix;
}

void SiteSheet::setUpPage(QPagedPaintDevice &device)
{
    static const QMarginsF margins(15.0, 12.0, 15.0, 12.0);
    device.setPageLayout(QPageLayout(
        QPageSize(QPageSize::A4), QPageLayout::Portrait, margins, QPageLayout::Millimeter));
}
