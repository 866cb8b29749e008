#pragma once

#include "common/TDetailEditForm.h"

// "用户资料": one account of Bs_User, its id and name. Passwords are neither shown nor
// written here: a new account has none until its user sets one in the password dialog.
class TUserEditForm : public TDetailEditForm
{
    Q_OBJECT

public:
    TUserEditForm(const QSqlDatabase &db, THandle notifyWindow, QWidget *owner);

protected:
    QString rowFault() override;
    void afterSave() override;

private:
    QString m_idBeforeEdit;
};
