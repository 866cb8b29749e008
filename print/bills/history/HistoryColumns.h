#pragma once

#include <QSet>
#include <QSqlDatabase>
#include <QString>

// How the history list shows a bill table's columns to a clerk.

// The title of a bookkeeping column ("id" → "编号", "Flag" → "审核标志" …), empty for any other
// column; letter case is ignored and a detail column's "c." prefix is looked through.
QString HistoryColumnTitle(const QString &column);

// The derived columns of the table's fields (capital texts, per-box figures, date parts, split
// characters, check items), lower-cased: the list hides them until the clerk shows them.
QSet<QString> DerivedColumnsOf(const QSqlDatabase &db, const QString &table);
