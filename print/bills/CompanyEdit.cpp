#include "bills/CompanyEdit.h"

#include "bills/TCompShowForm.h"

void CompanyEdit(const QSqlDatabase &db, QWidget *owner, qint64 autoid, bool editing)
{
    TCompShowForm editor(owner);
    editor.openEntry(db, autoid, editing);
    editor.exec();
}
