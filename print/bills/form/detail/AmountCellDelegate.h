#pragma once

#include "bills/form/detail/DetailCellDelegate.h"

class TtavCurrencyEdit;

// A 小写金额 column of a detail grid: the amount drawn one digit per cell, as the amount boxes
// of the page and the printed bill show it; typed as a number.
class AmountCellDelegate : public DetailCellDelegate
{
    Q_OBJECT

public:
    // `cells` digit cells with `decimals` of them after the point.
    AmountCellDelegate(int cells, int decimals, QWidget *grid);
    ~AmountCellDelegate() override;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    TtavCurrencyEdit *m_style;  // the look only; never shown
};
