#pragma once

#include <QList>
#include <QString>

// One column's sort marker in a grid title: the field and the direction. A grid keeps its
// markers in the order they were set; that order is the order of the sort.
struct SortMarker
{
    QString field;
    bool descending = false;

    bool operator==(const SortMarker &) const = default;
};

// "a ASC,b DESC": every marker with its direction, joined by a bare comma.
QString SortTextOfMarkers(const QList<SortMarker> &markers);

// A click on a field's title. Alone: the field becomes the only marker, ascending, or turns
// round when it already was the only one. Adding (Ctrl held): a marked field turns round in
// its place, an unmarked one is added at the end, ascending.
QList<SortMarker> ClickSortMarker(const QList<SortMarker> &markers, const QString &field, bool adding);
