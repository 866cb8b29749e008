#include "core/template/TemplateField.h"

QString TemplateField::kindText() const
{
    return kind == ekNone ? unknownKind : EditKindName(kind);
}

void TemplateField::changeKind(EditKindIndex newKind)
{
    kind = newKind;
    unknownKind.clear();
    if (newKind == ekAmount)
        digitalCount = 11;
    else if (newKind == ekCheckGroup)
        needPrint = false;
    else if (newKind == ekPlainText)
        xAlign = QStringLiteral("居右");
}
