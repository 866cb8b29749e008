#include "bills/form/detail/PickerCellDelegate.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPersistentModelIndex>
#include <QStyle>

QWidget *PickerCellDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QWidget *editor = DetailCellDelegate::createEditor(parent, option, index);
    auto *edit = qobject_cast<QLineEdit *>(editor);
    if (!edit)
        return editor;
    QAction *pick = edit->addAction(QApplication::style()->standardIcon(QStyle::SP_FileDialogContentsView),
                                    QLineEdit::TrailingPosition);
    pick->setObjectName(QStringLiteral("pickAction"));
    pick->setToolTip(QStringLiteral("选择"));
    const QPersistentModelIndex cell(index);
    connect(pick, &QAction::triggered, this, [this, edit, cell] {
        auto *self = const_cast<PickerCellDelegate *>(this);
        Q_EMIT self->closeEditor(edit, QAbstractItemDelegate::NoHint);
        Q_EMIT pickRequested(cell);
    });
    return editor;
}
