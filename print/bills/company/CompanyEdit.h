#pragma once

#include <QSqlDatabase>

class QWidget;

// Shows the editor of one company book entry modally (autoid -1 with editing: a new entry)
// and frees it when it closes; the caller then reads its list again.
void CompanyEdit(const QSqlDatabase &db, QWidget *owner, qint64 autoid, bool editing);
