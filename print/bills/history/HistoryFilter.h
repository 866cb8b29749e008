#pragma once

#include "bills/history/HistoryKind.h"

#include <QDate>
#include <QString>
#include <QVariantList>

// What the filter boxes of the history screen hold. Empty texts and null dates filter nothing.
struct HistoryFilterBoxes
{
    QString amountFrom;
    QString amountTo;
    QDate startDate;
    QDate endDate;
    QString audit;      // "全部", "已审核", "未审核"
    QString voidFlag;   // "全部", "作废", "未作废"
    QString payee;      // 收款单位
    QString account;    // 出票账户
    QString drawer;     // 出票单位
    QString receiver;   // 收票单位
    QString consignee;  // 收货单位
    QString waybillType;
    QString customer;
    QString partNo;
    QString partName;
    QString partStandard;
};

// A condition with its bound values, in placeholder order.
struct SqlCondition
{
    QString text;
    QVariantList params;
};

// The condition of a kind's list ("1=1" followed by one clause per filled box). Box texts only
// travel as bound values; part texts match anywhere in the column, taken literally ("%" and
// "_" included). An amount that is not a number raises CorvaneError.
SqlCondition BuildHistoryFilter(const HistoryKind &kind, const HistoryFilterBoxes &boxes);
