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

EditKindIndex EditKindOfStored(const QString &stored)
{
    const QString name = stored.trimmed();
    // Written by an older designer for the bit-set ticks.
    if (name == QStringLiteral("多项勾选_多个"))
        return ekMultiTick2;
    return EditKindIndex(GetEditType(name));
}
