#pragma once

#include <QStyledItemDelegate>

// Draws void bills in red, audited bills in blue (void wins), other rows as usual.
class HistoryRowDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;
};
