#include "core/template/FieldTag.h"

#include "core/template/EditKindIndex.h"

#include <optional>

int NextFieldTag(const QList<FieldTagRow> &rows, bool grid)
{
    std::optional<int> highest;
    for (const FieldTagRow &row : rows) {
        const bool isGrid = row.editType.trimmed() == EditKindName(ekGrid);
        if (isGrid != grid)
            continue;
        if (!highest || row.tag > *highest)
            highest = row.tag;
    }
    if (!highest)
        return grid ? 500 : 1000;
    return *highest + 1;
}
