#pragma once

#include <QStyledItemDelegate>

// Draws the company list's rows in their look (CompanyRowLook): own entries red, every other
// row on a cream ground.
class CompanyRowDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;
};
