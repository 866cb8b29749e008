#pragma once

#include <QImage>
#include <QRect>

class QPainter;

// The pictures of the main page drawn in code. The shipped "ui/Top.jpg", "ui/left.jpg" and
// "icons/default.bmp" were made from these; the page draws them itself when a file is missing.
QImage DrawTopBarPicture(const QSize &size);
QImage DrawTabColumnTile();
QImage DrawDefaultBillIcon();

// The 32 x 32 pictures of the top-bar buttons and the small link pictures.
enum class PageGlyph {
    ExpressBill,
    Cheque,
    DepositSlip,
    WireTransfer,
    DeliveryNote,
    Company,
    Goods,
    PrintData,
    ImportData,
    BatchPrint,
    Design,
    Website,
    Menu,
    Exit,
    Search,
    MoreBills,
    Upload,
};
void DrawPageGlyph(QPainter &painter, const QRect &box, PageGlyph glyph);
QImage PageGlyphImage(PageGlyph glyph, const QSize &size);
