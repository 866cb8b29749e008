#pragma once

#include <QPoint>
#include <QPointF>
#include <QSize>

// The paper offset of a template is where its page stands against the margin strips: one
// screen pixel is 0.5 mm.

// The offset in millimetres (Xmove, Ymove) of a page whose top-left corner is at `pagePos`,
// with strips `strips` wide (x) and high (y).
QPointF PageOffsetMm(const QPoint &pagePos, const QSize &strips);

// Where the page stands for an offset in millimetres.
QPoint PagePosition(const QPointF &offsetMm, const QSize &strips);
