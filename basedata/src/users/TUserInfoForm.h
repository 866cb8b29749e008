#pragma once

#include "common/TBaseDataListForm.h"

// "用户资料": the accounts of Bs_User (id and name only), edited one at a time in the user
// editor. The account one is logged in with and the last account cannot be deleted.
class TUserInfoForm : public TBaseDataListForm
{
    Q_OBJECT

public:
    explicit TUserInfoForm(QWidget *owner);

protected:
    void openEditor(qint64 autoid) override;
    QString deleteFault() override;
};
