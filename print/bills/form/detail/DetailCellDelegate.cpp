#include "bills/form/detail/DetailCellDelegate.h"

#include <QAbstractItemModel>
#include <QMetaProperty>
#include <QWidget>

void DetailCellDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    const QByteArray property = editor->metaObject()->userProperty().name();
    if (!property.isEmpty()) {
        const QString typed = editor->property(property.constData()).toString();
        if (typed == model->data(index, Qt::EditRole).toString())
            return;
    }
    QStyledItemDelegate::setModelData(editor, model, index);
}
