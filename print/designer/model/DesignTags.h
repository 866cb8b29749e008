#pragma once

#include <QList>

// The Tag a new, pasted or copied field takes on the design page. Grids count from 500 below
// 1000; every other field from 1000. The field sequence looks at every Tag of 1000 or more,
// whatever the row's kind, so a grid that an older copy numbered from 1000 is never given a
// field's Tag; a copied grid stays in the grid sequence.
int NextDesignTag(const QList<int> &tags, bool grid);
