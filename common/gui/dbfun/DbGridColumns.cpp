#include "gui/dbfun/DbGridColumns.h"

#include "core/db/AdoFunc.h"
#include "gui/dbfun/PickListDelegate.h"

#include <QHeaderView>
#include <QSqlQueryModel>
#include <QSqlRecord>
#include <QTableView>

QString ColumnFieldName(const QAbstractItemModel *model, int column)
{
    if (!model)
        return {};
    const QVariant bound = model->headerData(column, Qt::Horizontal, FieldNameRole);
    if (bound.isValid())
        return bound.toString();
    if (const auto *sqlModel = qobject_cast<const QSqlQueryModel *>(model))
        return sqlModel->record().fieldName(column);
    return {};
}

int GetColumnByFieldName(const QTableView *grid, const QString &field)
{
    const QAbstractItemModel *model = grid->model();
    if (!model)
        return -1;
    for (int column = 0; column < model->columnCount(); ++column) {
        if (ColumnFieldName(model, column).compare(field, Qt::CaseInsensitive) == 0)
            return column;
    }
    return -1;
}

void SetDbGridTitle(QTableView *grid, const QString &field, const QString &caption)
{
    const int column = GetColumnByFieldName(grid, field);
    if (column < 0)
        return;
    QAbstractItemModel *model = grid->model();
    model->setHeaderData(column, Qt::Horizontal, caption, Qt::DisplayRole);
    model->setHeaderData(column, Qt::Horizontal, int(Qt::AlignCenter), Qt::TextAlignmentRole);
}

void SetDbGridTitleCenter(QTableView *grid)
{
    grid->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    QAbstractItemModel *model = grid->model();
    if (!model)
        return;
    for (int column = 0; column < model->columnCount(); ++column)
        model->setHeaderData(column, Qt::Horizontal, int(Qt::AlignCenter), Qt::TextAlignmentRole);
}

void GridAddPickList(const QSqlDatabase &db, const QString &field, int type, QTableView *grid)
{
    QStringList items;
    SqlAddPickList(db, QStringLiteral("select Name from s_FieldType where type = ? order by value"), items, {type});
    const QAbstractItemModel *model = grid->model();
    if (!model)
        return;
    for (int column = 0; column < model->columnCount(); ++column) {
        if (ColumnFieldName(model, column).compare(field, Qt::CaseInsensitive) != 0)
            continue;
        if (auto *existing = qobject_cast<PickListDelegate *>(grid->itemDelegateForColumn(column)))
            existing->setItems(items);
        else
            grid->setItemDelegateForColumn(column, new PickListDelegate(items, grid));
    }
}
