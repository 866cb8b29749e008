#pragma once

#include <QStyledItemDelegate>

// The cells of a bill's detail grid. An editor that closes with the value it opened on writes
// nothing, so leaving a cell never puts the bill back into edit.
class DetailCellDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;
};
