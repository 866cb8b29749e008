#pragma once

#include "bills/form/detail/DetailCellDelegate.h"

// A 选择器 column of a detail grid: its editor carries the picker button (the ellipsis).
class PickerCellDelegate : public DetailCellDelegate
{
    Q_OBJECT

public:
    using DetailCellDelegate::DetailCellDelegate;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

Q_SIGNALS:
    // The button was pressed; the editor is closed without writing, the picker fills the row.
    void pickRequested(const QModelIndex &index) const;
};
