#include "tav/TavCellPainter.h"

#include <QFontMetrics>
#include <QPainter>

namespace TavCellPainter {

namespace {

void FillRow(QPainter &painter, int x1, int x2, int y, const QColor &color)
{
    painter.fillRect(QRect(QPoint(std::min(x1, x2), y), QPoint(std::max(x1, x2), y)), color);
}

void FillColumn(QPainter &painter, int x, int y1, int y2, const QColor &color)
{
    painter.fillRect(QRect(QPoint(x, std::min(y1, y2)), QPoint(x, std::max(y1, y2))), color);
}

} // namespace

void PaintClipped(QPainter &painter, const QRect &cell, int x, int y, const QString &text)
{
    painter.save();
    painter.setClipRect(cell, Qt::IntersectClip);
    painter.drawText(QPoint(x, y + painter.fontMetrics().ascent()), text);
    painter.restore();
}

int BorderWidth(TavBorderStyle style, bool ctl3d)
{
    if (style == TavBorderStyle::None)
        return 0;
    return ctl3d ? 2 : 1;
}

void PaintBorder(QPainter &painter, const QRect &outer, TavBorderStyle style, bool ctl3d)
{
    if (style == TavBorderStyle::None)
        return;
    const int l = outer.left(), t = outer.top(), r = outer.right(), b = outer.bottom();
    if (!ctl3d) {
        painter.save();
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(outer.adjusted(0, 0, -1, -1));
        painter.restore();
        return;
    }
    FillColumn(painter, l, t, b, QColor(0x80, 0x80, 0x80));
    FillRow(painter, l, r, t, QColor(0x80, 0x80, 0x80));
    FillColumn(painter, l + 1, t + 1, b - 1, Qt::black);
    FillRow(painter, l + 1, r - 1, t + 1, Qt::black);
    FillRow(painter, l, r, b, Qt::white);
    FillColumn(painter, r, t, b, Qt::white);
    FillRow(painter, l, r - 1, b - 1, QColor(0xC0, 0xC0, 0xC0));
    FillColumn(painter, r - 1, t + 1, b - 1, QColor(0xC0, 0xC0, 0xC0));
}

void PaintGridLines(QPainter &painter, const QRect &area, const TavCellGeometry &geometry,
                    const TavCurrencyStyle &style)
{
    for (int i = 1; i < geometry.Cells(); ++i)
        painter.fillRect(QRect(area.left() + geometry.LineX(i), area.top(), geometry.LineWidth(), area.height()),
                         style.LineColor(i));
}

int TextTop(TavTextLayout layout, int height, int textHeight)
{
    switch (layout) {
    case TavTextLayout::Top: return 0;
    case TavTextLayout::Bottom: return height - textHeight;
    case TavTextLayout::Center: break;
    }
    return (height - textHeight) / 2 + 1;
}

void PaintAmount(QPainter &painter, const QRect &area, const TavCellGeometry &geometry,
                 const TavCurrencyStyle &style, long double magnitude, int sign, bool focused)
{
    const bool negative = sign < 0;
    painter.save();
    painter.fillRect(area, style.Background(focused, negative));
    PaintGridLines(painter, area, geometry, style);

    const TavCellContent content =
        TavCellContent::ForAmount(style, magnitude, sign, style.ZeroEmpty && !focused);
    painter.setFont(style.FontFor(negative));
    painter.setPen(style.FontColorFor(negative));
    const QFontMetrics metrics = painter.fontMetrics();
    const int y = area.top() + TextTop(style.TextLayout, area.height(), metrics.height());
    auto cellRect = [&](int cell) {
        return QRect(area.left() + geometry.CellLeft(cell), area.top(), geometry.CellSpan(cell), area.height());
    };

    if (content.SymbolCell >= 0) {
        const int symbolOffset = (geometry.CellWidth() - metrics.horizontalAdvance(style.CurrencySymbol)) / 2;
        const int x = content.SymbolCell == 0 ? geometry.LeftOffset() / 2 + symbolOffset
                                              : geometry.CellLeft(content.SymbolCell) + symbolOffset;
        PaintClipped(painter, cellRect(content.SymbolCell), area.left() + x, y, style.CurrencySymbol);
    }
    const int digitOffset = (geometry.CellWidth() - metrics.horizontalAdvance(QStringLiteral("0"))) / 2;
    for (int cell = 0; cell < content.Cells.size(); ++cell) {
        if (!content.Cells.at(cell).isEmpty())
            PaintClipped(painter, cellRect(cell), area.left() + geometry.CellLeft(cell) + digitOffset, y,
                         content.Cells.at(cell));
    }
    painter.restore();
}

} // namespace TavCellPainter
