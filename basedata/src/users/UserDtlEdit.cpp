#include "users/UserDtlEdit.h"

#include "users/TUserEditForm.h"

void UserDtlEdit(const QSqlDatabase &db, THandle notifyWindow, QWidget *owner, qint64 autoid)
{
    TUserEditForm editor(db, notifyWindow, owner);
    // Never the password: it stays as the password dialog wrote it.
    editor.openRow(QStringLiteral("select autoid, UserId, UserName from Bs_User where autoid = ?"), autoid);
    editor.exec();
}
