#pragma once

#include <QSqlDatabase>
#include <QString>

class DataSet;

// The check made before a bill header is written: the bank-transfer kinds (支票, 进账单, 托收凭证,
// 电汇单) need an amount other than 0 (empty reads as 0; a negative amount passes). Returns the
// refusal text, empty when the row may be written.
QString ProcMasterDataValid(const QSqlDatabase &db, const DataSet &header);
