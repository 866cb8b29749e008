#pragma once

// Column helpers for grids over a table view. A column is bound to a field by its model's
// horizontal header: the FieldNameRole data when the model sets it, else (for SQL query
// models) the record's field name. Captions are header display texts and can differ from the
// field names.

#include "core/dataset/FieldNameRole.h"

#include <QSqlDatabase>
#include <QString>

class QAbstractItemModel;
class QTableView;

QString ColumnFieldName(const QAbstractItemModel *model, int column);

// The first column bound to the field (letter case ignored); -1 when none is.
int GetColumnByFieldName(const QTableView *grid, const QString &field);

// Gives the column bound to the field that caption, centred; nothing when no column shows it.
void SetDbGridTitle(QTableView *grid, const QString &field, const QString &caption);

// Centres every column title.
void SetDbGridTitleCenter(QTableView *grid);

// Every column bound to the field gets the pick list of s_FieldType rows of that type (by
// value order) as its editor's list.
void GridAddPickList(const QSqlDatabase &db, const QString &field, int type, QTableView *grid);
