#pragma once

#include "bills/form/conversions/ConvertedBill.h"

#include <QSqlDatabase>
#include <QString>

#include <optional>

// The row of the table with that id, if it is still there.
std::optional<ConvertedBill> ExistingBill(const QSqlDatabase &db, const QString &table, qint64 id);
// The first row of the table that points at the bill through RefAutoid.
std::optional<ConvertedBill> BillPointingAt(const QSqlDatabase &db, const QString &table, qint64 id);
