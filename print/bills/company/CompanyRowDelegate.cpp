#include "bills/company/CompanyRowDelegate.h"

#include "bills/company/CompanyRowLook.h"
#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/dataset/DataSetTableModel.h"

void CompanyRowDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    const auto *model = qobject_cast<const DataSetTableModel *>(index.model());
    const DataSet *rows = model ? model->dataSet() : nullptr;
    const DataField *self = rows ? rows->findField(QStringLiteral("bSelf")) : nullptr;
    const bool own = self && rows->value(index.row(), self).toInt() == 1;
    const CompanyRowLook look = CompanyRowLookOf(own, index.row());
    if (look.text.isValid())
        option->palette.setColor(QPalette::Text, look.text);
    if (look.background.isValid())
        option->backgroundBrush = look.background;
}
