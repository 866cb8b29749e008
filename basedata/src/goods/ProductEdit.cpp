#include "goods/ProductEdit.h"

#include "goods/TProdEditForm.h"

void ProductEdit(const QSqlDatabase &db, THandle notifyWindow, QWidget *owner, qint64 autoid)
{
    TProdEditForm editor(db, notifyWindow, owner);
    editor.openRow(QStringLiteral("select * from Bs_ProdList where autoid = ?"), autoid);
    editor.exec();
}
