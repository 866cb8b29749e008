#include "bills/printing/PaperLayout.h"

#include "bills/printing/BillLayout.h"
#include "bills/printing/TemplatePicture.h"
#include "core/printfun/PrintUnits.h"

PaperScale PaperScaleFor(const PrintTemplate &tpl, const PaperTarget &target)
{
    const QSize picture = TemplatePictureSize(tpl);
    return PaperScale(picture, StoredPaperInches(tpl), target.dpiX, target.dpiY, target.offsetMm);
}

QList<PrintItem> PaperPrintItems(const PrintTemplate &tpl, const BillData &bill, const PaperTarget &target)
{
    const PaperScale scale = PaperScaleFor(tpl, target);
    return scale.toDevice(LayOutBill(tpl, bill));
}

QPoint PreviewOffset(const PrintTemplate &tpl)
{
    return QPoint(MarginToPix(tpl.note().xMove.value), MarginToPix(tpl.note().yMove.value));
}

QList<PrintItem> PreviewPrintItems(const PrintTemplate &tpl, const BillData &bill)
{
    QList<PrintItem> items = LayOutBill(tpl, bill);
    const QPoint offset = PreviewOffset(tpl);
    for (PrintItem &item : items)
        item.rect.translate(offset);
    return items;
}
