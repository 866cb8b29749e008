#pragma once

#include "bills/history/HistoryFilter.h"

#include <QString>

class QSqlDatabase;

// The select of the history list over the data table, for the bills of one kind word (empty:
// the stock list) with their detail rows when a detail table is given. Table names come from
// the definitions and are quoted; the kind word and the condition's values are bound. The
// detail columns follow the bill's own under the names "c.<column>", so that the bill's id,
// RefNo and format stay the row's own.
SqlCondition HistoryStatement(const QSqlDatabase &db, const QString &table, const QString &kindWord,
                              const QString &detailTable, const SqlCondition &condition);

// The statement of an empty list over the table (imports fill it).
QString EmptyHistoryStatement(const QString &table);
