#include "bills/history/HistoryRowDelegate.h"

#include "core/dataset/DataSet.h"
#include "core/dataset/DataSetTableModel.h"

namespace {

int flagOf(const DataSet *rows, int row, const QString &name)
{
    const DataField *field = rows->findField(name);
    return field ? rows->value(row, field).toInt() : 0;
}

} // namespace

void HistoryRowDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    const auto *model = qobject_cast<const DataSetTableModel *>(index.model());
    const DataSet *rows = model ? model->dataSet() : nullptr;
    if (!rows)
        return;
    if (flagOf(rows, index.row(), QStringLiteral("Dis")) == 1)
        option->palette.setColor(QPalette::Text, Qt::red);
    else if (flagOf(rows, index.row(), QStringLiteral("Flag")) == 1)
        option->palette.setColor(QPalette::Text, Qt::blue);
}
