#include "tav/DrawCurrencyFrame.h"

#include "tav/TavCellPainter.h"
#include "tav/TtavCustomCurrencyEdit.h"

#include <cmath>

void DrawCurrencyFrame(QPainter &painter, const QRect &rect, const TtavCustomCurrencyEdit &edit, long double value)
{
    const TavCurrencyStyle &style = edit.Style();
    const TavCellGeometry geometry =
        TavCellGeometry::Automatic(rect.width(), style.DigitalNumber, style.GridLineWidth);
    TavCellPainter::PaintAmount(painter, rect, geometry, style, std::fabs(value), value >= 0 ? 1 : -1, false);
}
