#include "kelvoaddresslabel.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>
#include <QResizeEvent>
#include <QStringList>

#include <cmath>

namespace {

constexpr double columnCount = 5.0;
constexpr double rowCount = 3.0;
constexpr int lastColumn = 4;
constexpr int lastRow = 2;
constexpr double lineWidth = 1.0;
constexpr double leverMargin = 2.0;

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
    updateToolTip();
    update();
}

int KelvoAddressLabel::translatePosToDipp(int row)
{
    // The middle row stands for position 2, so the off position 1 sits at the
    // bottom as on the station's switches.
    static constexpr int table[] = { 0, 2, 1 };
    return row >= 0 && row <= lastRow ? table[row] : 0;
}

int KelvoAddressLabel::leverRow(unsigned position)
{
    return position <= unsigned(lastRow) ? translatePosToDipp(int(position)) : 0;
}

QString KelvoAddressLabel::rowName(int row)
{
    static const char *const names[] = {
        QT_TR_NOOP("oben"),
        QT_TR_NOOP("Mitte"),
        QT_TR_NOOP("unten"),
    };
    return row >= 0 && row <= lastRow ? tr(names[row]) : QString();
}

void KelvoAddressLabel::paintSwitches(
    QPainter &painter, const QRectF &target, const KelvoAddress::Positions &positions)
{
    painter.save();
    painter.setPen(QPen(Qt::black, lineWidth, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    painter.setBrush(QBrush(Qt::transparent, Qt::SolidPattern));
    painter.drawRect(QRectF(target.topLeft(), target.size() - QSizeF(lineWidth, lineWidth)));

    painter.translate(target.topLeft());
    const QSizeF cell(target.width() / columnCount, target.height() / rowCount);

    // Whole units keep the dashes crisp on a screen.
    painter.setPen(QPen(Qt::gray, lineWidth, Qt::DashLine, Qt::SquareCap, Qt::BevelJoin));
    for (int i = 1; i <= lastColumn; ++i) {
        const double x = std::floor(i * cell.width());
        painter.drawLine(QLineF(x, leverMargin, x, std::floor(target.height() - leverMargin)));
    }

    // Too small a cell shows no lever.
    const QSizeF lever = cell - QSizeF(2 * leverMargin, 2 * leverMargin);
    if (!lever.isEmpty()) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QBrush(Qt::black, Qt::SolidPattern));
        for (int i = 0; i <= lastColumn; ++i) {
            const QPointF cellCorner(i * cell.width(), leverRow(positions[i]) * cell.height());
            painter.drawRect(QRectF(cellCorner + QPointF(leverMargin, leverMargin), lever));
        }
    }
    painter.restore();
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
    updateToolTip();
    update();
}

void KelvoAddressLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::transparent);
    paintSwitches(painter, m_contentRect, m_dippPosition);
}

void KelvoAddressLabel::resizeEvent(QResizeEvent *event)
{
    calculateContentRect(event->size().width(), event->size().height());
}

void KelvoAddressLabel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        updateToolTip();
    QWidget::changeEvent(event);
}

void KelvoAddressLabel::updateToolTip()
{
    const QString address = getAddressName();
    if (!KelvoAddress::fitsSwitches(address)) {
        setToolTip(tr("%1: nicht mit den Schaltern einstellbar").arg(address));
        return;
    }
    QStringList levers;
    for (int i = 0; i <= lastColumn; ++i)
        levers << QStringLiteral("%1 %2").arg(i + 1).arg(rowName(leverRow(m_dippPosition[i])));
    //: "C12: Schalter 1 unten, 2 oben, 3 Mitte, 4 oben, 5 Mitte"
    setToolTip(tr("%1: Schalter %2").arg(address, levers.join(QStringLiteral(", "))));
}
