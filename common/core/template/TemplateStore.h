#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QVariantMap>

// Storing template rows and reading their placed fields. Callers run these inside their own
// transaction where several rows belong together.

// 否 when another template of the category (a different name) is already its default, else 是:
// a category has at most one default format.
QString DefaultFlagFor(const QSqlDatabase &db, const QString &category, const QString &noteName);

// Inserts a p_NoteList row (column -> value); its `default` is decided by DefaultFlagFor,
// whatever the row says. Returns the new autoid. Unknown columns raise CorvaneError.
qint64 InsertTemplateRow(const QSqlDatabase &db, QVariantMap row);

// Inserts a p_NoteCntlList row; an empty Ctlx is stored as NULL (the field is not placed).
qint64 InsertTemplateFieldRow(const QSqlDatabase &db, const QVariantMap &row);

// The placed fields (Ctlx not NULL) of a template under one parent (0: the page, else a grid's
// Tag), ordered by Ctlx. Parameters: NoteName, ParentId.
QString PlacedFieldsSql();

// The placed, printed columns of a grid in autoid order. Parameters: NoteName, the grid's Tag.
QString PrintedGridColumnsSql();
