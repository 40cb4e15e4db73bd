#pragma once

#include "configuration.h"

#include <QColor>
#include <QCoreApplication>
#include <QDate>
#include <QFont>
#include <QList>
#include <QSizeF>
#include <QString>

class QPaintDevice;
class QPainter;
class QPointF;
class QRectF;

// Where the parts of a site sheet go on the pages of one device, and how they
// look. Lengths are in points; the painter stays in device pixels, so that
// text is laid out at the device's full resolution. Each part is measured and
// painted by the same function (it paints only when given a painter), so that
// pagination and painting cannot drift apart.
class SiteSheetLayout
{
    Q_DECLARE_TR_FUNCTIONS(SiteSheet)

public:
    // A page lists its blocks: entry numbers, and this for the one line that
    // names the attendees without any value.
    static constexpr int EmptyAttendees = -1;
    using Page = QList<int>;

    SiteSheetLayout(const Configuration &configuration, const QString &fileName, QDate date,
        const QPaintDevice &device);

    static QString title();

    QList<Page> pages() const;
    void paintPage(QPainter &painter, const Page &blocks, int page, int pageCount) const;

private:
    // No call number, no address, no option.
    bool isEmptyAttendee(int entry) const;

    qreal header(QPainter *painter, qreal top) const;
    qreal columnHeadings(QPainter *painter, qreal top) const;
    qreal block(QPainter *painter, int block, qreal top) const;
    qreal entryBlock(QPainter *painter, int entry, qreal top) const;
    qreal details(QPainter *painter, int entry, qreal top) const;
    qreal switches(QPainter *painter, const QPointF &topLeft, const QString &address) const;
    qreal emptyAttendeesLine(QPainter *painter, qreal top) const;
    void footer(QPainter &painter, int page, int pageCount) const;

    // Draws when given a painter; returns the height of the wrapped text.
    qreal text(QPainter *painter, const QRectF &area, const QFont &font, const QString &content,
        int flags = 0, const QColor &color = Qt::black) const;
    void rule(QPainter &painter, qreal y, qreal width, const QColor &color) const;
    qreal ascent(const QFont &font) const;
    QFont font(qreal pointSize, bool bold = false) const;
    QRectF toDevice(const QRectF &area) const;

    const Configuration &m_configuration;
    QString m_fileName;
    QDate m_date;
    const QPaintDevice &m_device;
    qreal m_scale = 1.0; // device pixels per point
    QSizeF m_page; // the paint rectangle, in points
};
