#pragma once

#include "designer/model/PlacedControl.h"

#include <QPoint>

// The rectangle a rubber band drawn from `start` to `end` covers, whichever way it was drawn.
QRect RubberBandRect(const QPoint &start, const QPoint &end);

// Whether a field's rectangle and the band overlap; touching edges do not count, partial
// overlap is enough.
bool RubberBandHits(const QRect &field, const QRect &band);

// The Tags of the controls the band hits, newest first (the order they join the selection).
QList<int> TagsInRubberBand(const PlacedControls &controls, const QRect &band);

// Every Tag, newest first: select all.
QList<int> AllTagsNewestFirst(const PlacedControls &controls);
