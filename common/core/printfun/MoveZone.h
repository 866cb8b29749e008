#pragma once

#include <QPoint>
#include <QRect>
#include <Qt>

// The zones of a field control on the design surface: dragging an edge or corner resizes the
// control from there, dragging the inner area moves it. The codes are the size command plus
// the edge number, and the move command.
enum MoveZoneCode {
    ZoneNone = 0xF000,
    ZoneLeft = 0xF001,
    ZoneRight = 0xF002,
    ZoneTop = 0xF003,
    ZoneTopLeft = 0xF004,
    ZoneTopRight = 0xF005,
    ZoneBottom = 0xF006,
    ZoneBottomLeft = 0xF007,
    ZoneBottomRight = 0xF008,
    ZoneMove = 0xF009,
};

// The zone under (x, y) of a control of width w and height h; points on the margin line belong
// to the edge. The inner area keeps a fixed 5 pixels from the border, whatever the margin.
MoveZoneCode MoveZoneAt(int x, int y, int w, int h, int margin);

Qt::CursorShape MoveZoneCursor(MoveZoneCode zone);

// The geometry after dragging from `zone` by `delta`: the edges the zone names follow the
// mouse, the others stay. A control never shrinks below 1 x 1 pixel.
QRect DraggedGeometry(const QRect &start, MoveZoneCode zone, const QPoint &delta);
