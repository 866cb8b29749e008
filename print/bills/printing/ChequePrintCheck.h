#pragma once

#include "core/money/Currency.h"

#include <QDate>
#include <QSqlDatabase>
#include <QString>

#include <functional>

class DataSet;

// A cheque about to be printed, as the cheque register records it.
struct ChequeToPrint
{
    QString number;   // 单据号码, trimmed
    QString payee;    // 收款人名称, trimmed
    QDate payDate;    // 付款日期
    QString purpose;  // 用途, trimmed
    Currency amount;  // 金额
};

// The cheque register's side of the check: marks the cheque 打印 with the bill's data and
// returns true, or returns false and changes nothing when the number is not in the register,
// or is void or printed already. Set by whoever owns the register; none is set at first.
using ChequeRegisterMark = std::function<bool(const QSqlDatabase &db, const ChequeToPrint &cheque)>;
void SetChequeRegisterMark(ChequeRegisterMark mark);

// Before a cheque is printed or previewed, when the switch 打印支票时是否验证支票号码 is on: a
// bill of the kind 支票 with a cheque number must be marked printed in the register. False
// (after "支票已经打印或者作废或者不存在") when it is refused, or when no register is set to ask.
bool WriteCheckNoStatus(const QSqlDatabase &db, const QString &noteName, const DataSet &header);
