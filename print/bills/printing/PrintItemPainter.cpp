#include "bills/printing/PrintItemPainter.h"

#include "core/printfun/Alignment.h"

#include <QPainter>

int QtTextFlags(int drawFlags)
{
    int flags = Qt::AlignTop | Qt::TextWordWrap;
    if ((drawFlags & 3) == DT_RIGHT)
        flags |= Qt::AlignRight;
    else if ((drawFlags & 3) == DT_CENTER)
        flags |= Qt::AlignHCenter;
    else
        flags |= Qt::AlignLeft;
    return flags;
}

void DrawPrintItems(QPainter &painter, const QList<PrintItem> &items)
{
    painter.save();
    painter.setPen(Qt::black);
    for (const PrintItem &item : items) {
        painter.setFont(item.font);
        painter.drawText(item.rect, QtTextFlags(item.flags), item.text);
    }
    painter.restore();
}
