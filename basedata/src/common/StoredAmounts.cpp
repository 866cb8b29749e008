#include "common/StoredAmounts.h"

#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"

bool ShowStoredAmounts(DataSet &set)
{
    static const QString everyDigit = QStringLiteral("#,##0.00##");
    bool changed = false;
    for (DataField *field : set.fields()) {
        if (field->kind() == FieldKind::Currency && field->displayFormat() != everyDigit) {
            field->setDisplayFormat(everyDigit);
            changed = true;
        }
    }
    return changed;
}
