#include "dipswitchdrawing.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPen>

#include <cmath>

namespace {

constexpr int lastColumn = DipSwitchDrawing::ColumnCount - 1;
constexpr int lastRow = DipSwitchDrawing::RowCount - 1;
constexpr double lineWidth = 1.0;
constexpr double leverMargin = 2.0;
// The dashes between the switches, against the outline and the levers.
constexpr double dashOpacity = 0.4;

} // namespace

namespace DipSwitchDrawing {

int translatePosToDipp(int row)
{
    // The middle row stands for position 2, so the off position 1 sits at the
    // bottom as on the station's switches.
    static constexpr int table[] = { 0, 2, 1 };
    return row >= 0 && row <= lastRow ? table[row] : 0;
}

int leverRow(unsigned position)
{
    return position <= unsigned(lastRow) ? translatePosToDipp(int(position)) : 0;
}

// In the label's context, where the catalogues have always had them.
QString rowName(int row)
{
    static const char *const names[] = {
        QT_TRANSLATE_NOOP("KelvoAddressLabel", "oben"),
        QT_TRANSLATE_NOOP("KelvoAddressLabel", "Mitte"),
        QT_TRANSLATE_NOOP("KelvoAddressLabel", "unten"),
    };
    return row >= 0 && row <= lastRow ? QCoreApplication::translate("KelvoAddressLabel", names[row])
                                      : QString();
}

void paint(QPainter &painter, const QRectF &target, const KelvoAddress::Positions &positions,
    const QColor &ink)
{
    painter.save();
    painter.setPen(QPen(ink, lineWidth, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    painter.setBrush(QBrush(Qt::transparent, Qt::SolidPattern));
    painter.drawRect(QRectF(target.topLeft(), target.size() - QSizeF(lineWidth, lineWidth)));

    painter.translate(target.topLeft());
    const QSizeF cell(target.width() / ColumnCount, target.height() / RowCount);

    // Whole units keep the dashes crisp on a screen.
    QColor dashes = ink;
    dashes.setAlphaF(dashOpacity * ink.alphaF());
    painter.setPen(QPen(dashes, lineWidth, Qt::DashLine, Qt::SquareCap, Qt::BevelJoin));
    for (int i = 1; i <= lastColumn; ++i) {
        const double x = std::floor(i * cell.width());
        painter.drawLine(QLineF(x, leverMargin, x, std::floor(target.height() - leverMargin)));
    }

    // Too small a cell shows no lever.
    const QSizeF lever = cell - QSizeF(2 * leverMargin, 2 * leverMargin);
    if (!lever.isEmpty()) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QBrush(ink, Qt::SolidPattern));
        for (int i = 0; i <= lastColumn; ++i) {
            const QPointF cellCorner(i * cell.width(), leverRow(positions[i]) * cell.height());
            painter.drawRect(QRectF(cellCorner + QPointF(leverMargin, leverMargin), lever));
        }
    }
    painter.restore();
}

} // namespace DipSwitchDrawing
