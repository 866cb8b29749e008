#pragma once

#include "bills/form/conversions/ConvertedBill.h"

#include <QSqlDatabase>
#include <QString>

// 转进账单 / 转支票: the cheque and the deposit slip share one data table; the partner is a copy
// of the bill in the target format, and the two rows point at each other through RefAutoid.
// A bill whose partner is still there is not copied again: the partner is returned.
enum class BankConversion {
    ChequeToSlip,  // the payer is the own default account
    SlipToCheque,  // the payer columns stay as they were
};

// One transaction: the copy (fresh RefNo, Flag -1, printcount 0, dis 0, RefAutoid = the
// source) and the source's link to it, or nothing. Raises DatabaseError.
ConvertedBill ConvertBankBill(const QSqlDatabase &db, const QString &table, qint64 sourceId, const QString &targetFormat,
                              BankConversion direction);
