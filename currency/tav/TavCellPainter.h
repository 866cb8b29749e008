#pragma once

#include "tav/TavCellContent.h"
#include "tav/TavCellGeometry.h"
#include "tav/TavCurrencyStyle.h"

#include <QRect>

class QPainter;
class QFontMetrics;

// Painting shared by the currency edit, the header label and the print routine, so that an
// amount looks the same on screen, in an image and on paper. All positions are device pixels.
namespace TavCellPainter {

// Border width: none 0, single 1, single with the 3-D look 2.
int BorderWidth(TavBorderStyle style, bool ctl3d);
// The frame around `outer`: a sunken edge (grey and black above and left, white and silver
// below and right) with the 3-D look, else a black line; nothing without a border.
void PaintBorder(QPainter &painter, const QRect &outer, TavBorderStyle style, bool ctl3d);
// The grid lines between the cells of `area`, each the full height of the area.
void PaintGridLines(QPainter &painter, const QRect &area, const TavCellGeometry &geometry,
                    const TavCurrencyStyle &style);
// `text` with its top left at (x, y), clipped to `cell`.
void PaintClipped(QPainter &painter, const QRect &cell, int x, int y, const QString &text);
// Top of the text in an area of `height` pixels for a font `textHeight` pixels high.
int TextTop(TavTextLayout layout, int height, int textHeight);
// An amount: background, grid lines, symbol and digits. `focused` gives the focus colour and
// shows a zero as digits.
void PaintAmount(QPainter &painter, const QRect &area, const TavCellGeometry &geometry,
                 const TavCurrencyStyle &style, long double magnitude, int sign, bool focused);

} // namespace TavCellPainter
