#include "kelvoaddresslabel.h"

#include "dipswitchdrawing.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>
#include <QResizeEvent>
#include <QStringList>
#include <QtMath>

#include <cmath>

namespace {

constexpr double columnCount = DipSwitchDrawing::ColumnCount;
constexpr double rowCount = DipSwitchDrawing::RowCount;
constexpr int lastColumn = DipSwitchDrawing::ColumnCount - 1;
constexpr int lastRow = DipSwitchDrawing::RowCount - 1;
constexpr int focusFrameWidth = 2;
// A lever of 3 pixels is still seen and hit.
constexpr int smallestCell = 7;
// Cells of well over a line of text: levers to see and hit at a glance.
constexpr int hintCell = 21;
constexpr double hintCellPerLine = 1.3;

// Cell index under a coordinate, clamped before the conversion to int so that
// no coordinate can overflow it.
int cellIndex(double offset, double cellExtent, int last)
{
    return int(qBound(0.0, std::floor(offset / cellExtent), double(last)));
}

// What a screen reader reads: the address as the value, the levers as the
// description; a slider, as Up and Down move it.
class AccessibleAddressLabel : public QAccessibleWidget
{
public:
    explicit AccessibleAddressLabel(KelvoAddressLabel *label)
        : QAccessibleWidget(label, QAccessible::Slider)
    { }

    QString text(QAccessible::Text type) const override
    {
        const auto *label = static_cast<const KelvoAddressLabel *>(widget());
        switch (type) {
        case QAccessible::Value:
            return label->getAddressName();
        case QAccessible::Description:
            return label->accessibleDescription().isEmpty() ? label->switchesDescription()
                                                            : label->accessibleDescription();
        case QAccessible::Name:
            return label->accessibleName().isEmpty() ? KelvoAddressLabel::tr("DIP-Schalter")
                                                     : label->accessibleName();
        default:
            return QAccessibleWidget::text(type);
        }
    }
};

QAccessibleInterface *accessibleAddressLabel(const QString &className, QObject *object)
{
    auto *label = qobject_cast<KelvoAddressLabel *>(object);
    return label && className == QLatin1String("KelvoAddressLabel")
        ? new AccessibleAddressLabel(label)
        : nullptr;
}

} // namespace

KelvoAddressLabel::KelvoAddressLabel(QWidget *parent)
    : QWidget(parent)
{
    static const bool accessible = (QAccessible::installFactory(accessibleAddressLabel), true);
    Q_UNUSED(accessible);
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
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
    positionsChanged();
}

QString KelvoAddressLabel::switchesDescription() const
{
    //: "Schalter 2 gewählt. C12: Schalter 1 unten, 2 oben, ..."
    return tr("Schalter %1 gewählt. %2").arg(m_currentSwitch + 1).arg(toolTip());
}

QSize KelvoAddressLabel::sizeHint() const
{
    const int cell = qMax(hintCell, qCeil(fontMetrics().height() * hintCellPerLine));
    return QSize(int(columnCount) * cell, int(rowCount) * cell);
}

QSize KelvoAddressLabel::minimumSizeHint() const
{
    return QSize(int(columnCount) * smallestCell, int(rowCount) * smallestCell);
}

int KelvoAddressLabel::heightForWidth(int width) const
{
    return qRound(width * rowCount / columnCount);
}

int KelvoAddressLabel::translatePosToDipp(int row)
{
    return DipSwitchDrawing::translatePosToDipp(row);
}

int KelvoAddressLabel::leverRow(unsigned position)
{
    return DipSwitchDrawing::leverRow(position);
}

QString KelvoAddressLabel::rowName(int row)
{
    return DipSwitchDrawing::rowName(row);
}

void KelvoAddressLabel::paintSwitches(QPainter &painter, const QRectF &target,
    const KelvoAddress::Positions &positions, const QColor &ink)
{
    DipSwitchDrawing::paint(painter, target, positions, ink);
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

void KelvoAddressLabel::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Left:
        setCurrentSwitch(m_currentSwitch - 1);
        break;
    case Qt::Key_Right:
        setCurrentSwitch(m_currentSwitch + 1);
        break;
    case Qt::Key_Up:
    case Qt::Key_Down: {
        // One row a press, and no further than the top or the bottom row.
        const int step = event->key() == Qt::Key_Up ? -1 : 1;
        const int row = qBound(0, leverRow(m_dippPosition[m_currentSwitch]) + step, lastRow);
        const auto position = unsigned(translatePosToDipp(row));
        if (position != m_dippPosition[m_currentSwitch]) {
            m_dippPosition[m_currentSwitch] = position;
            positionsChanged();
            emit addressChanged();
        }
        break;
    }
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void KelvoAddressLabel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_pressPosition = event->position().toPoint();
        if (m_cellSize.width() > 0.0)
            setCurrentSwitch(columnAt(m_pressPosition.x()));
    }
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

    const int yOffset = int((height() - m_contentRect.height()) * 0.5);
    // The column comes from the press point: one drag works one switch.
    const int column = columnAt(m_pressPosition.x());
    const int row = cellIndex(event->position().y() - yOffset, m_cellSize.height(), lastRow);
    m_dippPosition[column] = unsigned(translatePosToDipp(row));
    positionsChanged();
}

void KelvoAddressLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::transparent);
    paintSwitches(painter, m_contentRect, m_dippPosition, palette().color(foregroundRole()));
    if (hasFocus()) {
        // Around the chosen switch, so that the keyboard shows where it works.
        const QRectF column(m_contentRect.left() + m_currentSwitch * m_cellSize.width(),
            m_contentRect.top(), m_cellSize.width(), m_contentRect.height());
        const double inset = focusFrameWidth * 0.5;
        painter.setPen(QPen(palette().color(QPalette::Highlight), focusFrameWidth));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(column.adjusted(inset, inset, -inset, -inset));
    }
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

int KelvoAddressLabel::columnAt(int x) const
{
    const int xOffset = int((width() - m_contentRect.width()) * 0.5);
    return cellIndex(x - xOffset, m_cellSize.width(), lastColumn);
}

void KelvoAddressLabel::setCurrentSwitch(int index)
{
    index = qBound(0, index, lastColumn);
    if (index == m_currentSwitch)
        return;
    m_currentSwitch = index;
    update();
    QAccessibleEvent event(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
}

void KelvoAddressLabel::positionsChanged()
{
    updateToolTip();
    update();
    // AT-SPI passes on a value change only for numeric values; the
    // description carries the address there.
    QAccessibleValueChangeEvent valueEvent(this, getAddressName());
    QAccessible::updateAccessibility(&valueEvent);
    QAccessibleEvent descriptionEvent(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&descriptionEvent);
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
