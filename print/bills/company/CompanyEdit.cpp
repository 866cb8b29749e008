#include "bills/company/CompanyEdit.h"

#include "bills/company/TCompShowForm.h"

void CompanyEdit(const QSqlDatabase &db, QWidget *owner, qint64 autoid, bool editing)
{
    TCompShowForm editor(owner);
    editor.openEntry(db, autoid, editing);
    editor.exec();
}
