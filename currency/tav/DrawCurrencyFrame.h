#pragma once

#include <QRect>

class QPainter;
class TtavCustomCurrencyEdit;

// Paints `value` into `rect` of any painter (widget, image, printer) as `edit` would show it
// unfocused, with the edit's cells, colours, fonts and symbol; the edit's CellWidth and border
// are not used. The painter is left as it was found.
void DrawCurrencyFrame(QPainter &painter, const QRect &rect, const TtavCustomCurrencyEdit &edit, long double value);
