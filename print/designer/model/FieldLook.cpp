#include "designer/model/FieldLook.h"

#include "core/dbfun/EditKinds.h"
#include "core/template/EditKindIndex.h"

FieldLook FieldLookOf(const QString &kind, bool printed, bool shown, bool selected)
{
    FieldLook look;
    look.border = selected ? QColor(255, 0, 0) : QColor(255, 0, 255);
    look.borderWidth = selected ? 3 : 1;
    const int index = GetEditType(kind.trimmed());
    if (index >= 0)
        look.grip = printed ? PanelGripColor(index) : QColor(128, 128, 128);
    look.struckOut = !shown;
    return look;
}
