#include "bills/history/HistoryKind.h"

const QList<HistoryKind> &HistoryKinds()
{
    // Every shown box feeds a clause of its kind's filter; boxes a filter does not read are
    // not shown for it.
    static const QList<HistoryKind> kinds = {
        {QStringLiteral("支票"), QStringLiteral("支票"), {}, HistoryFilterKind::Cheque, AmountBoxes | DateBoxes | PayeeBoxes | VoidBox},
        {QStringLiteral("进账单"), QStringLiteral("进账单"), {}, HistoryFilterKind::Payment, AmountBoxes | DateBoxes | PartyBoxes},
        {QStringLiteral("电汇单"), QStringLiteral("电汇单"), {}, HistoryFilterKind::Payment, AmountBoxes | DateBoxes | PartyBoxes},
        {QStringLiteral("现金缴款单"), QStringLiteral("现金缴款单"), {}, HistoryFilterKind::Cheque, AmountBoxes | DateBoxes | PayeeBoxes | VoidBox},
        {QStringLiteral("快递单"), QStringLiteral("快递单"), {}, HistoryFilterKind::Waybill, DateBoxes | WaybillBoxes},
        {QStringLiteral("出货单"), QStringLiteral("送货单"), {}, HistoryFilterKind::Delivery, AmountBoxes | DateBoxes | CustomerBox},
        {QStringLiteral("出货明细"), QStringLiteral("送货单"), QStringLiteral("出货单明细"), HistoryFilterKind::Delivery,
         AmountBoxes | DateBoxes | CustomerBox | PartBoxes},
        {QStringLiteral("进仓单"), QStringLiteral("进仓单"), {}, HistoryFilterKind::Receipt, DateBoxes | CustomerBox},
        {QStringLiteral("进仓明细"), QStringLiteral("进仓单"), QStringLiteral("进仓单明细"), HistoryFilterKind::Receipt,
         DateBoxes | CustomerBox | PartBoxes},
        {QStringLiteral("库存查询"), {}, {}, HistoryFilterKind::Stock, PartBoxes},
        {QStringLiteral("托收凭证"), QStringLiteral("托收凭证"), {}, HistoryFilterKind::Payment, AmountBoxes | DateBoxes | PartyBoxes},
    };
    return kinds;
}

int HistoryKindOfWord(const QString &word)
{
    if (word.isEmpty())
        return -1;
    const QList<HistoryKind> &kinds = HistoryKinds();
    for (int i = 0; i < kinds.size(); ++i) {
        if (kinds.at(i).word == word && kinds.at(i).detailTable.isEmpty())
            return i;
    }
    return -1;
}
