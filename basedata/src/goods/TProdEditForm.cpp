#include "goods/TProdEditForm.h"

#include "core/dataset/DataSet.h"
#include "core/db/AdoFunc.h"
#include "core/messages/MessageNames.h"
#include "goods/ProductRules.h"
#include "gui/dataaware/ComboBoxLink.h"
#include "gui/dataaware/LineEditLink.h"

#include <QComboBox>
#include <QLineEdit>

TProdEditForm::TProdEditForm(const QSqlDatabase &db, THandle notifyWindow, QWidget *owner)
    : TDetailEditForm(db, notifyWindow, MsgRefreshGoods.toString(), owner)
{
    setWindowTitle(QStringLiteral("商品明细资料"));
    resize(380, 250);
    const auto lineEdit = [this](const QString &label, const QString &field, int maxLength = 0) {
        auto *edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("edt") + field);
        if (maxLength > 0)
            edit->setMaxLength(maxLength);
        new LineEditLink(edit, source(), field);
        addRow(label, edit);
    };
    lineEdit(QStringLiteral("产品编号"), QStringLiteral("PartNo"), 20);
    lineEdit(QStringLiteral("名    称"), QStringLiteral("PartName"));
    lineEdit(QStringLiteral("规    格"), QStringLiteral("PartSpec"));

    auto *unit = new QComboBox(this);
    unit->setObjectName(QStringLiteral("cbbUnit"));
    unit->setEditable(true);
    QStringList units;
    SqlAddPickList(db, QStringLiteral("select DmValue from p_BaseCode where DmName = ?"), units, {QStringLiteral("计量单位")});
    unit->addItems(units);
    new ComboBoxLink(unit, source(), QStringLiteral("Unit"));
    addRow(QStringLiteral("单    位"), unit);

    lineEdit(QStringLiteral("价    格"), QStringLiteral("Price"));
}

QString TProdEditForm::rowFault()
{
    return ProductRowFault(data()->connection(), *data());
}
