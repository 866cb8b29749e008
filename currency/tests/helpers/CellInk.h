#pragma once

#include "tav/TavCellGeometry.h"

#include <QImage>

// The cells of `geometry`, laid out from the left of `area` in `image`, that hold any pixel
// other than `background`: where something was written.
inline QList<int> InkedCells(const QImage &image, const QRect &area, const TavCellGeometry &geometry,
                             const QColor &background)
{
    QList<int> cells;
    for (int cell = 0; cell < geometry.Cells(); ++cell) {
        const int left = area.left() + geometry.CellLeft(cell);
        bool ink = false;
        for (int x = left; x < left + geometry.CellSpan(cell) && !ink; ++x)
            for (int y = area.top(); y <= area.bottom() && !ink; ++y)
                ink = image.pixelColor(x, y) != background;
        if (ink)
            cells << cell;
    }
    return cells;
}
