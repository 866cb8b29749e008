#include "gui/bfun/GridFieldDataChange.h"

#include "core/bfun/DataSetFormula.h"
#include "core/dataset/DataSetTableModel.h"

#include <QAbstractProxyModel>
#include <QTableView>

void GridFieldDataChange(QTableView &grid, const QString &formula, DataField *changed)
{
    QAbstractItemModel *model = grid.model();
    while (auto *proxy = qobject_cast<QAbstractProxyModel *>(model))
        model = proxy->sourceModel();
    auto *dataModel = qobject_cast<DataSetTableModel *>(model);
    if (dataModel && dataModel->dataSet())
        TableFieldDataChange(*dataModel->dataSet(), formula, changed);
}
