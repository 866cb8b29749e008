#include "designer/definitions/UiTabListRules.h"

#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/definitions/UiTabNumbers.h"

void SetUiTabRules(DataSet &tabs)
{
    tabs.setOnNewRecord([](DataSet &set) {
        set.fieldByName(QStringLiteral("TabNo"))->setValue(NewUiTabNo(set.connection()));
        set.fieldByName(QStringLiteral("SeqNo"))->setValue(NewUiTabSeqNo(set.connection()));
        set.fieldByName(QStringLiteral("Visible"))->setValue(true);
    });
}
