#include "designer/model/PageOffset.h"

#include "core/printfun/PrintUnits.h"

QPointF PageOffsetMm(const QPoint &pagePos, const QSize &strips)
{
    return QPointF((pagePos.x() - strips.width()) * 0.5, (pagePos.y() - strips.height()) * 0.5);
}

QPoint PagePosition(const QPointF &offsetMm, const QSize &strips)
{
    return QPoint(strips.width() + MarginToPix(offsetMm.x()), strips.height() + MarginToPix(offsetMm.y()));
}
