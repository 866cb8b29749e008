#pragma once

#include "common/TDetailEditForm.h"

// "商品明细资料": one product of Bs_ProdList; the unit is offered from the list 计量单位.
class TProdEditForm : public TDetailEditForm
{
    Q_OBJECT

public:
    TProdEditForm(const QSqlDatabase &db, THandle notifyWindow, QWidget *owner);

protected:
    QString rowFault() override;
};
