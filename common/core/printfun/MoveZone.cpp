#include "core/printfun/MoveZone.h"

#include <algorithm>

namespace {
constexpr int kInnerInset = 5;
}

MoveZoneCode MoveZoneAt(int x, int y, int w, int h, int margin)
{
    const bool left = x <= margin;
    const bool right = x >= w - margin;
    const bool top = y <= margin;
    const bool bottom = y >= h - margin;
    const bool betweenX = margin < x && x < w - margin;
    const bool betweenY = margin < y && y < h - margin;

    if (left && betweenY)
        return ZoneLeft;
    if (right && betweenY)
        return ZoneRight;
    if (betweenX && top)
        return ZoneTop;
    if (left && top)
        return ZoneTopLeft;
    if (right && top)
        return ZoneTopRight;
    if (betweenX && bottom)
        return ZoneBottom;
    if (left && bottom)
        return ZoneBottomLeft;
    if (right && bottom)
        return ZoneBottomRight;
    if (kInnerInset < x && x < w - kInnerInset && kInnerInset < y && y < h - kInnerInset)
        return ZoneMove;
    return ZoneNone;
}

Qt::CursorShape MoveZoneCursor(MoveZoneCode zone)
{
    switch (zone) {
    case ZoneLeft:
    case ZoneRight:
        return Qt::SizeHorCursor;
    case ZoneTop:
    case ZoneBottom:
        return Qt::SizeVerCursor;
    case ZoneTopLeft:
    case ZoneBottomRight:
        return Qt::SizeFDiagCursor;
    case ZoneTopRight:
    case ZoneBottomLeft:
        return Qt::SizeBDiagCursor;
    case ZoneMove:
        return Qt::SizeAllCursor;
    case ZoneNone:
        break;
    }
    return Qt::ArrowCursor;
}

QRect DraggedGeometry(const QRect &start, MoveZoneCode zone, const QPoint &delta)
{
    if (zone == ZoneMove)
        return start.translated(delta);
    int left = start.left();
    int top = start.top();
    int right = start.left() + start.width();
    int bottom = start.top() + start.height();
    const bool movesLeft = zone == ZoneLeft || zone == ZoneTopLeft || zone == ZoneBottomLeft;
    const bool movesRight = zone == ZoneRight || zone == ZoneTopRight || zone == ZoneBottomRight;
    const bool movesTop = zone == ZoneTop || zone == ZoneTopLeft || zone == ZoneTopRight;
    const bool movesBottom = zone == ZoneBottom || zone == ZoneBottomLeft || zone == ZoneBottomRight;
    if (movesLeft)
        left = std::min(left + delta.x(), right - 1);
    if (movesRight)
        right = std::max(right + delta.x(), left + 1);
    if (movesTop)
        top = std::min(top + delta.y(), bottom - 1);
    if (movesBottom)
        bottom = std::max(bottom + delta.y(), top + 1);
    return QRect(left, top, right - left, bottom - top);
}
