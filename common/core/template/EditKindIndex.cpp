#include "core/template/EditKindIndex.h"

#include <algorithm>

const QString &EditKindName(EditKindIndex kind)
{
    return array_Component_EditType.at(kind);
}

int GetEditType(const QString &name)
{
    const auto found = std::find(array_Component_EditType.cbegin(), array_Component_EditType.cend(), name);
    return found == array_Component_EditType.cend() ? -1 : int(found - array_Component_EditType.cbegin());
}
