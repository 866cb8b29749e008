#include "users/TUserEditForm.h"

#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/globals/PubDm.h"
#include "core/messages/MessageNames.h"
#include "gui/dataaware/LineEditLink.h"
#include "users/UserRules.h"

#include <QLineEdit>

TUserEditForm::TUserEditForm(const QSqlDatabase &db, THandle notifyWindow, QWidget *owner)
    : TDetailEditForm(db, notifyWindow, MsgRefreshUsers.toString(), owner)
{
    setWindowTitle(QStringLiteral("用户资料"));
    resize(340, 160);
    auto *userId = new QLineEdit(this);
    userId->setObjectName(QStringLiteral("edtUserId"));
    new LineEditLink(userId, source(), QStringLiteral("UserId"));
    addRow(QStringLiteral("使用者帐号"), userId);
    auto *userName = new QLineEdit(this);
    userName->setObjectName(QStringLiteral("edtUserName"));
    new LineEditLink(userName, source(), QStringLiteral("UserName"));
    addRow(QStringLiteral("用户姓名"), userName);

    connect(data(), &DataSet::stateChanged, this, [this](DataSet::State state) {
        if (state == DataSet::State::Edit)
            m_idBeforeEdit = data()->fieldByName(QStringLiteral("UserId"))->asString();
        else if (state == DataSet::State::Insert)
            m_idBeforeEdit.clear();
    });
}

QString TUserEditForm::rowFault()
{
    return UserRowFault(data()->connection(), *data());
}

void TUserEditForm::afterSave()
{
    // Renaming the account one is logged in with keeps one logged in with it.
    if (!m_idBeforeEdit.isEmpty() && SameUserId(m_idBeforeEdit, sCurUserId))
        sCurUserId = data()->fieldByName(QStringLiteral("UserId"))->asString();
}
