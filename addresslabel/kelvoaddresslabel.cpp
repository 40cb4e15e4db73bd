#include "kelvoaddresslabel.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPen>
#include <QResizeEvent>

#include <cmath>

namespace {

constexpr double columnCount = 5.0;
constexpr double rowCount = 3.0;
constexpr int lastColumn = 4;
constexpr int lastRow = 2;

// Cell index under a coordinate, clamped before the conversion to int so that
// no coordinate can overflow it.
int cellIndex(double offset, double cellExtent, int last)
{
    return int(qBound(0.0, std::floor(offset / cellExtent), double(last)));
}

} // namespace

KelvoAddressLabel::KelvoAddressLabel(QWidget *parent)
    : QWidget(parent)
{
    calculateContentRect(width(), height());
    setAddressName(QStringLiteral("A1"));
}

KelvoAddressLabel::~KelvoAddressLabel() = default;

QString KelvoAddressLabel::getAddressName() const
{
    return KelvoAddress::convertPosition(m_dippPosition);
}

void KelvoAddressLabel::setAddressName(const QString &name)
{
    m_dippPosition = KelvoAddress(name).dippPosition();
    update();
}

int KelvoAddressLabel::translatePosToDipp(int row)
{
    // The middle row stands for position 2, so the off position 1 sits at the
    // bottom as on the station's switches.
    static constexpr int table[] = { 0, 2, 1 };
    return row >= 0 && row <= lastRow ? table[row] : 0;
}

void KelvoAddressLabel::calculateContentRect(double width, double height)
{
    QSizeF content;
    if (width / columnCount > height / rowCount)
        content = QSizeF(columnCount * height / rowCount, height);
    else
        content = QSizeF(width, rowCount * width / columnCount);

    m_contentRect = QRectF(
        QPointF((width - content.width()) * 0.5, (height - content.height()) * 0.5), content);
    m_cellSize = QSizeF(content.width() / columnCount, content.height() / rowCount);
}

void KelvoAddressLabel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_pressPosition = event->position().toPoint();
    event->accept();
}

void KelvoAddressLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && event->position().toPoint() != m_pressPosition)
        emit addressChanged();
    event->accept();
}

void KelvoAddressLabel::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    // A collapsed widget has no switch to hit.
    if (m_cellSize.width() <= 0.0 || m_cellSize.height() <= 0.0)
        return;

    const int xOffset = int((width() - m_contentRect.width()) * 0.5);
    const int yOffset = int((height() - m_contentRect.height()) * 0.5);
    // The column comes from the press point: one drag works one switch.
    const int column = cellIndex(m_pressPosition.x() - xOffset, m_cellSize.width(), lastColumn);
    const int row = cellIndex(event->position().y() - yOffset, m_cellSize.height(), lastRow);
    m_dippPosition[column] = unsigned(translatePosToDipp(row));
    update();
}

void KelvoAddressLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::transparent);

    const QSizeF content = m_contentRect.size();
    painter.setPen(QPen(Qt::black, 1.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    painter.setBrush(QBrush(Qt::transparent, Qt::SolidPattern));
    painter.drawRect(
        QRectF(m_contentRect.topLeft(), QSizeF(content.width() - 1.0, content.height() - 1.0)));

    painter.translate(m_contentRect.topLeft());

    painter.setPen(QPen(Qt::gray, 1.0, Qt::DashLine, Qt::SquareCap, Qt::BevelJoin));
    for (int i = 1; i <= lastColumn; ++i) {
        const int x = int(i * m_cellSize.width());
        painter.drawLine(x, 2, x, int(content.height() - 2.0));
    }

    // Levers keep a 2-pixel margin inside their cell; too small a cell shows none.
    const QSizeF lever(m_cellSize.width() - 4.0, m_cellSize.height() - 4.0);
    if (lever.isEmpty())
        return;
    painter.setPen(Qt::NoPen);
    painter.setBrush(QBrush(Qt::black, Qt::SolidPattern));
    for (int i = 0; i <= lastColumn; ++i) {
        const unsigned position = m_dippPosition[i];
        // Positions above 2 (numbers above 27) have no lever row of their own.
        const int row = position <= unsigned(lastRow) ? translatePosToDipp(int(position)) : 0;
        painter.drawRect(QRectF(i * m_cellSize.width() + 2.0, row * m_cellSize.height() + 2.0,
            lever.width(), lever.height()));
    }
}

void KelvoAddressLabel::resizeEvent(QResizeEvent *event)
{
    calculateContentRect(event->size().width(), event->size().height());
}
