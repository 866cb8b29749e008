#pragma once

#include <QSqlDatabase>
#include <QString>

class DataSet;

// The register's side of printing a cheque bill. While the switch "打印支票时是否验证支票号码"
// is on, a bill of a 支票 format with a cheque number (单据号码) prints only when that number is
// registered and neither printed nor void; the row is then marked 打印 with the payee, date of
// payment, purpose, amount and the format's category, before anything is printed.
enum class ChequePrintCheck {
    NotChecked,  // switch off, another kind, or no cheque number: print without the register
    Refused,     // number not registered, already printed or void: nothing changed
    Marked,      // the row is now 打印
};

// `bill` is the bill's header data set on its current row; `noteName` the format to print with.
ChequePrintCheck CheckChequeForPrint(const QSqlDatabase &db, const QString &noteName, const DataSet &bill);

// The print engine's step: false after telling the user "支票已经打印或者作废或者不存在" when refused.
bool WriteCheckNoStatus(const QSqlDatabase &db, const QString &noteName, const DataSet &bill);
