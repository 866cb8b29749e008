#pragma once

// Short statements on the one connection: single values, lists, commands, existence tests and
// the system counter. Statements use '?' placeholders; values travel in `params`, never spliced
// into the text. A statement the database rejects raises DatabaseError with the driver's text.

#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

// Runs one statement on a forward-only query and returns it ready to read.
QSqlQuery RunStatement(const QSqlDatabase &db, const QString &sql, const QVariantList &params = {});

QString SelTableStringValue(const QSqlDatabase &db, const QString &sql, const QVariantList &params = {});
qint64 SelTableIntValue(const QSqlDatabase &db, const QString &sql, const QVariantList &params = {});
qint64 SelTableIntegerValue(const QSqlDatabase &db, const QString &sql, const QVariantList &params = {});
double SelTableFloatValue(const QSqlDatabase &db, const QString &sql, const QVariantList &params = {});
QDateTime SelTableDateValue(const QSqlDatabase &db, const QString &sql, const QVariantList &params = {});
bool SelTableBooleanValue(const QSqlDatabase &db, const QString &sql, const QVariantList &params = {});
QVariant SelTableVariantValue(const QSqlDatabase &db, const QString &sql, const QVariantList &params = {});

bool SqlTableIsEmpty(const QSqlDatabase &db, const QString &sql, const QVariantList &params = {});
void SqlAddPickList(const QSqlDatabase &db, const QString &sql, QStringList &list, const QVariantList &params = {});
void ExecTmpQuery(const QSqlDatabase &db, const QString &sql, const QVariantList &params = {});

// The next number of the system counter in Bs_SysSet, drawn in one statement. Raises when the
// counter row is missing (a constant answer would hand out duplicate RefNos).
qint64 GetBillSysNo(const QSqlDatabase &db);
// `count` consecutive numbers in one step; the first of them.
qint64 GetBillSysNoBlock(const QSqlDatabase &db, qint64 count);

qint64 GetTableMaxInteger(const QSqlDatabase &db, const QString &table, const QString &column);
bool TableExistIntValue(const QSqlDatabase &db, const QString &table, const QString &column, qint64 value);
bool TableExistStringValue(const QSqlDatabase &db, const QString &table, const QString &column, const QString &value);
// One condition per list position, joined by "and"; columns and values pair up by position.
bool TableExistValues(const QSqlDatabase &db, const QString &table, const QStringList &columns, const QVariantList &values);
// A row with that value in another bill whose flag is not 3.
bool IsTableExistSameNote(const QSqlDatabase &db, const QString &table, const QString &column, const QString &value, qint64 refNo);
// A value repeated within one bill's rows.
bool IsTableHasSameValue(const QSqlDatabase &db, const QString &table, qint64 refNo, const QString &column);
