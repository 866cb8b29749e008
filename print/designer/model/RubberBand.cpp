#include "designer/model/RubberBand.h"

#include <algorithm>
#include <cstdlib>

QRect RubberBandRect(const QPoint &start, const QPoint &end)
{
    return QRect(std::min(start.x(), end.x()), std::min(start.y(), end.y()), std::abs(end.x() - start.x()),
                 std::abs(end.y() - start.y()));
}

bool RubberBandHits(const QRect &field, const QRect &band)
{
    // QRect's own intersects() refuses empty rectangles; a line-thin band still selects.
    return band.x() < field.x() + field.width() && field.x() < band.x() + band.width()
           && band.y() < field.y() + field.height() && field.y() < band.y() + band.height();
}

QList<int> TagsInRubberBand(const PlacedControls &controls, const QRect &band)
{
    QList<int> tags;
    for (auto it = controls.crbegin(); it != controls.crend(); ++it) {
        if (RubberBandHits(it->rect, band))
            tags.append(it->tag);
    }
    return tags;
}

QList<int> AllTagsNewestFirst(const PlacedControls &controls)
{
    QList<int> tags;
    for (auto it = controls.crbegin(); it != controls.crend(); ++it)
        tags.append(it->tag);
    return tags;
}
