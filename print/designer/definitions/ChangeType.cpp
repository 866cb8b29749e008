#include "designer/definitions/ChangeType.h"

#include "designer/definitions/TChangeTypeForm.h"

QString ChangePrintType(const QSqlDatabase &db, QWidget *owner, const QString &kind)
{
    TChangeTypeForm form(db, kind, owner);
    if (form.exec() != QDialog::Accepted)
        return QString();
    return form.chosenFormat();
}
