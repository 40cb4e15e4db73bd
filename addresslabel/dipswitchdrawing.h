#pragma once

#include "kelvoaddress.h"

#include <QColor>
#include <QRectF>
#include <QString>

class QPainter;

// The five DIP switches as KelvoAddressLabel draws them, on any paint device:
// the label paints with it, and so does the site sheet, which has no widgets.
// The rows from top to bottom stand for the positions 0, 2 and 1.
namespace DipSwitchDrawing {

inline constexpr int ColumnCount = KelvoAddress::SwitchCount;
inline constexpr int RowCount = 3;

// Row 0, 1, 2 to the switch position 0, 2, 1 and back (the table is its own
// inverse); anything else gives 0.
int translatePosToDipp(int row);
// The row in which a switch at that position shows its lever; positions
// above 2 (numbers above 27) have no row of their own and show on top.
int leverRow(unsigned position);
// The name of a lever row as the hardware shows it: oben, Mitte, unten.
QString rowName(int row);

// Fills target: an outline, dashed lines between the switches and each lever
// as a block in its row, all in ink (the dashes lighter). Each cell is a
// fifth of the width and a third of the height. Lines are 1 and the levers'
// margin 2 units of the painter's coordinates, so scale the painter for a
// device finer than a screen.
void paint(QPainter &painter, const QRectF &target, const KelvoAddress::Positions &positions,
    const QColor &ink = Qt::black);

} // namespace DipSwitchDrawing
