#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

// 复制: a new bill of the same format with the header's values and every detail row, under a
// fresh RefNo; it starts as a new bill (Flag -1, dis 0, printcount 0, RefAutoid 0). One
// transaction: the whole copy or nothing. Returns the new header's id; raises DatabaseError.
qint64 CopyWholeBill(const QSqlDatabase &db, const QString &table, const QStringList &detailTables, qint64 sourceId);
