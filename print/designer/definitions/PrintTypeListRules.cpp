#include "designer/definitions/PrintTypeListRules.h"

#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/definitions/PrintTypeRules.h"
#include "gui/dialogs/MessageBoxes.h"

namespace {

bool allowedElseTell(const QString &fault)
{
    if (fault.isEmpty())
        return true;
    ShowMsgHint(fault);
    return false;
}

} // namespace

void SetPrintTypeDefaults(DataSet &kinds)
{
    kinds.setOnNewRecord([](DataSet &set) {
        set.fieldByName(QStringLiteral("SubTableCount"))->setValue(0);
        set.fieldByName(QStringLiteral("PageNo"))->setValue(NewPrintTypePageNo(set.connection()));
    });
}

bool PrintTypeRowAllowed(const DataSet &kinds)
{
    // A new row has no id yet.
    return allowedElseTell(PrintTypeStoreFault(kinds.connection(), kinds.fieldByName(QStringLiteral("id"))->value(),
                                               kinds.fieldByName(QStringLiteral("PrintName"))->asString()));
}

bool PrintTypeDeleteAllowed(const DataSet &kinds)
{
    return allowedElseTell(
        PrintTypeDeleteFault(kinds.connection(), kinds.fieldByName(QStringLiteral("PrintName"))->asString()));
}
