#include "bills/form/detail/AmountCellDelegate.h"

#include "tav/DrawCurrencyFrame.h"
#include "tav/TtavCurrencyEdit.h"

#include <QPainter>

AmountCellDelegate::AmountCellDelegate(int cells, int decimals, QWidget *grid)
    : DetailCellDelegate(grid), m_style(new TtavCurrencyEdit(grid))
{
    m_style->hide();
    m_style->SetDigitalNumber(cells);
    m_style->SetDecimalNumber(decimals);
    m_style->SetCurrencySymbol(QStringLiteral("\uFFE5"));
    m_style->SetKilobitSeparatorColor(QColor(0xC0, 0xC0, 0xC0));
    m_style->SetZeroEmpty(true);
}

AmountCellDelegate::~AmountCellDelegate() = default;

void AmountCellDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const QVariant value = index.data(Qt::EditRole);
    bool ok = false;
    const double amount = value.toString().toDouble(&ok);
    if (!ok) {
        DetailCellDelegate::paint(painter, option, index);
        return;
    }
    m_style->setFont(option.font);
    painter->save();
    DrawCurrencyFrame(*painter, option.rect, *m_style, amount);
    if (option.state & QStyle::State_Selected) {
        QColor highlight = option.palette.highlight().color();
        highlight.setAlpha(60);
        painter->fillRect(option.rect, highlight);
    }
    painter->restore();
}
