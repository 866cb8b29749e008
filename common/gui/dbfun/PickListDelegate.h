#pragma once

#include <QStringList>
#include <QStyledItemDelegate>

// Edits a grid cell with a drop-down of fixed choices; other text may still be typed, as in a
// grid column's pick list.
class PickListDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    PickListDelegate(QStringList items, QObject *parent);

    const QStringList &items() const { return m_items; }
    void setItems(const QStringList &items) { m_items = items; }
    // The list opens as soon as the cell's editor does.
    void setDropDownOnEntry(bool dropDown) { m_dropDownOnEntry = dropDown; }

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;

private:
    QStringList m_items;
    bool m_dropDownOnEntry = false;
};
