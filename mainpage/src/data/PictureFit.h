#pragma once

#include <QRect>
#include <QSize>

// Where a template picture stands in the picture panel: the panel's height, its width in
// proportion (rounded to the nearest, halves to even), top 0, centred across.
QRect FitPictureToPanel(const QSize &picture, const QSize &panel);
