#pragma once

#include <QList>
#include <QString>

// The kinds of list the history screen offers, one per kind button, in button order.
enum class HistoryFilterKind { Cheque, Payment, Waybill, Delivery, Receipt, Stock };

// Filter box groups a kind shows.
enum HistoryBoxGroup {
    AmountBoxes = 0x01,
    DateBoxes = 0x02,
    PayeeBoxes = 0x04,    // 收款单位, 出票账户
    PartyBoxes = 0x08,    // 出票单位, 收票单位
    VoidBox = 0x10,       // 作废标志
    WaybillBoxes = 0x20,  // 收货单位, 快递类型
    CustomerBox = 0x40,
    PartBoxes = 0x80,     // 货号, 品名, 规格
};

struct HistoryKind
{
    QString caption;
    QString word;         // the bill kind (p_NoteList.NoteType); empty for the stock list
    QString detailTable;  // joined detail rows, or empty
    HistoryFilterKind filter;
    int groups;
};

inline constexpr int kStockHistoryKind = 9;
inline const QString kStockTable = QStringLiteral("商品库存");

const QList<HistoryKind> &HistoryKinds();

// The kind button that lists bills of a kind word (送货单 and 进仓单 without their details);
// -1 for a kind that has no button.
int HistoryKindOfWord(const QString &word);
