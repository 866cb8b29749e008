#include "gui/dbfun/PickListDelegate.h"

#include <QComboBox>
#include <QPointer>
#include <QTimer>

PickListDelegate::PickListDelegate(QStringList items, QObject *parent)
    : QStyledItemDelegate(parent), m_items(std::move(items))
{
}

QWidget *PickListDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &) const
{
    auto *combo = new QComboBox(parent);
    combo->setEditable(true);
    combo->addItems(m_items);
    combo->setMaxVisibleItems(20);
    if (m_dropDownOnEntry) {
        // Once the view has placed and shown the editor.
        QTimer::singleShot(0, combo, [shown = QPointer<QComboBox>(combo)] {
            if (shown && shown->isVisible())
                shown->showPopup();
        });
    }
    return combo;
}

void PickListDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    static_cast<QComboBox *>(editor)->setCurrentText(index.data(Qt::EditRole).toString());
}

void PickListDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    model->setData(index, static_cast<QComboBox *>(editor)->currentText(), Qt::EditRole);
}
