#pragma once

#include "kelvoaddress.h"
#include "kelvoaddresslabel_export.h"

#include <QColor>
#include <QPoint>
#include <QRectF>
#include <QSizeF>
#include <QWidget>

class QPainter;

// Shows a bus address as five three-position DIP switches and lets the user
// set a switch by dragging its lever, or from the keyboard: Left and Right
// choose a switch, Up and Down move its lever one row. The rows from top to
// bottom stand for the positions 0, 2 and 1. The tooltip names the address
// and the row of every lever; a screen reader gets the address as the value
// and the levers as the description.
//
// An empty or malformed text given to setAddressName() shows A1.
class KELVOADDRESSLABEL_EXPORT KelvoAddressLabel : public QWidget
{
    Q_OBJECT

public:
    explicit KelvoAddressLabel(QWidget *parent = nullptr);
    ~KelvoAddressLabel() override;

    // Always letter first (C12), whatever order was set.
    QString getAddressName() const;
    // Moves the switches without emitting addressChanged().
    void setAddressName(const QString &name);

    // The switch the keyboard works, 0 to 4; a press on a switch chooses it too.
    int currentSwitch() const { return m_currentSwitch; }
    // The chosen switch, the address and the row of every lever, in words.
    QString switchesDescription() const;

    // Cells a good deal larger than a line of text; the drawing fills whatever
    // the layout gives.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    // The height at which the 5:3 switch block fills the width; a layout asks
    // for it when the widget's size policy says so.
    int heightForWidth(int width) const override;

    // Row 0, 1, 2 to the switch position 0, 2, 1 and back (the table is its
    // own inverse); anything else gives 0.
    static int translatePosToDipp(int row);
    // The row in which a switch at that position shows its lever; positions
    // above 2 (numbers above 27) have no row of their own and show on top.
    static int leverRow(unsigned position);
    // The name of a lever row as the hardware shows it: oben, Mitte, unten.
    static QString rowName(int row);

    // Paints the switches as the widget shows them, filling target: an
    // outline, dashed lines between the switches and each lever as a block in
    // its row, all in ink (the dashes lighter). Each cell is a fifth of the
    // width and a third of the height. Lines are 1 and the levers' margin 2
    // units of the painter's coordinates, so scale the painter for a device
    // finer than a screen.
    static void paintSwitches(QPainter &painter, const QRectF &target,
        const KelvoAddress::Positions &positions, const QColor &ink = Qt::black);

    // Fits the 5:3 switch block as large as possible, centred, into a widget
    // of the given size.
    void calculateContentRect(double width, double height);
    QRectF contentRect() const { return m_contentRect; }
    QSizeF cellSize() const { return m_cellSize; }

signals:
    // Emitted when a drag on the switches ends away from its press point, and
    // when a key moves a lever.
    void addressChanged();

protected:
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // The column under a point, clamped to the switches.
    int columnAt(int x) const;
    void setCurrentSwitch(int index);
    // Tooltip, picture and screen readers follow the switches.
    void positionsChanged();
    void updateToolTip();

    KelvoAddress::Positions m_dippPosition {};
    QPoint m_pressPosition;
    QSizeF m_cellSize { -1.0, -1.0 };
    QRectF m_contentRect;
    int m_currentSwitch = 0;
};
