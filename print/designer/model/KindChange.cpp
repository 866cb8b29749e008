#include "designer/model/KindChange.h"

#include "core/template/EditKindIndex.h"

#include <algorithm>

std::optional<QString> KindChangeRefusal(const QString &oldKind, const QString &newKind)
{
    const QString &grid = EditKindName(ekGrid);
    if (oldKind.trimmed() == grid || newKind.trimmed() == grid)
        return kGridKindRefusal;
    return std::nullopt;
}

int SpacedStringCells(int digitalCount)
{
    return std::max(1, digitalCount);
}

QList<KindChangeEffect> KindChangeEffects(const QList<KindChangeField> &selected, const QString &newKind)
{
    QList<KindChangeEffect> effects;
    const int index = GetEditType(newKind);
    if (index < 0 || index == ekGrid)
        return effects;
    for (const KindChangeField &field : selected) {
        if (field.kind.trimmed() == EditKindName(ekGrid))
            continue;
        KindChangeEffect effect{field.tag, newKind, {}, {}, {}};
        switch (index) {
        case ekAmount:
            effect.digitalCount = 11;
            break;
        case ekSpacedString:
            if (field.digitalCount < 1)
                effect.digitalCount = SpacedStringCells(field.digitalCount);
            break;
        case ekCheckGroup:
            effect.needPrint = false;
            break;
        case ekPlainText:
            effect.xAlign = QStringLiteral("居右");
            break;
        default:
            break;
        }
        effects.append(effect);
    }
    return effects;
}
