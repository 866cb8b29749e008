#include "designer/ChangeType.h"

#include "designer/TChangeTypeForm.h"

QString ChangePrintType(const QSqlDatabase &db, QWidget *owner, const QString &kind)
{
    TChangeTypeForm form(db, kind, owner);
    if (form.exec() != QDialog::Accepted)
        return QString();
    return form.chosenFormat();
}
