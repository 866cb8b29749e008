#include "bills/form/BillButtonStates.h"

BillButtonStates BillButtonStatesFor(const BillStateInput &input)
{
    const bool browsingRow = input.hasRow && !input.editing;
    const QString &kind = input.baseKind;
    BillButtonStates states;
    states.browseCommands = !input.editing;
    states.saveCancel = input.hasRow && input.editing;
    states.editDeleteAudit = browsingRow && input.flag == -1;
    states.recheck = browsingRow && input.flag == 1;
    states.voidVisible = input.hasRow && kind == QStringLiteral("支票");
    states.voidEnabled = browsingRow && input.flag == 1 && input.dis == 0;
    states.waybillVisible = browsingRow && kind == QStringLiteral("送货单");
    states.printVisible = input.hasRow && (kind == QStringLiteral("送货单") || kind == QStringLiteral("进仓单"));
    states.convertVisible = input.hasRow && (kind == QStringLiteral("进账单") || kind == QStringLiteral("支票"));
    states.auditStamp = input.flag == 1;
    states.voidStamp = input.dis == 1;
    return states;
}
