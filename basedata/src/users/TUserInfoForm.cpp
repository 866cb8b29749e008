#include "users/TUserInfoForm.h"

#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/globals/PubDm.h"
#include "core/messages/MessageNames.h"
#include "gui/grid/DataGrid.h"
#include "users/UserDtlEdit.h"
#include "users/UserRules.h"

#include <QMenu>

TUserInfoForm::TUserInfoForm(QWidget *owner) : TBaseDataListForm(MsgRefreshUsers.toString(), owner)
{
    // A plain list: no pop-up menu, no sorting by the titles.
    grid()->popupMenu()->clear();
    setColumns({{QStringLiteral("UserId"), QStringLiteral("用户编号")}, {QStringLiteral("UserName"), QStringLiteral("用户名称")}});
    // Passwords stay out of the list (and out of its column dialog).
    openList(QStringLiteral("select autoid, UserId, UserName from Bs_User"));
    grid()->setSortMarkingEnabled(false);
}

void TUserInfoForm::openEditor(qint64 autoid)
{
    UserDtlEdit(CurAdo, Handle(), this, autoid);
}

QString TUserInfoForm::deleteFault()
{
    return UserDeleteFault(CurAdo, master()->fieldByName(QStringLiteral("UserId"))->asString(), sCurUserId);
}
