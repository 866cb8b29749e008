#include "core/grid/SortMarker.h"

#include <QStringList>

QString SortTextOfMarkers(const QList<SortMarker> &markers)
{
    QStringList items;
    for (const SortMarker &marker : markers)
        items.append(marker.field + (marker.descending ? QStringLiteral(" DESC") : QStringLiteral(" ASC")));
    return items.join(u',');
}

QList<SortMarker> ClickSortMarker(const QList<SortMarker> &markers, const QString &field, bool adding)
{
    qsizetype found = -1;
    for (qsizetype i = 0; i < markers.size() && found < 0; ++i)
        if (markers[i].field.compare(field, Qt::CaseInsensitive) == 0)
            found = i;
    if (!adding) {
        const bool onlyOne = found == 0 && markers.size() == 1;
        return {SortMarker{field, onlyOne && !markers[0].descending}};
    }
    QList<SortMarker> result = markers;
    if (found >= 0)
        result[found].descending = !result[found].descending;
    else
        result.append({field, false});
    return result;
}
