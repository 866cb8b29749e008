#include "tav/TtavCurrencyLabel.h"

#include "tav/TavCellPainter.h"

#include <QPainter>

TtavCurrencyLabel::TtavCurrencyLabel(QWidget *parent)
    : QWidget(parent),
      m_digitalSymbols({QStringLiteral("元"), QStringLiteral("十"), QStringLiteral("百"), QStringLiteral("千"),
                        QStringLiteral("万"), QStringLiteral("十"), QStringLiteral("百"), QStringLiteral("千"),
                        QStringLiteral("亿"), QStringLiteral("十"), QStringLiteral("百"), QStringLiteral("千"),
                        QStringLiteral("万")}),
      m_decimalSymbols({QStringLiteral("角"), QStringLiteral("分")})
{
    resize(sizeHint());
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_style.Color = palette().color(QPalette::Base);
}

void TtavCurrencyLabel::SetBorderStyle(TavBorderStyle style)
{
    m_borderStyle = style;
    ApplyWidth();
}

void TtavCurrencyLabel::SetCtl3D(bool ctl3d)
{
    m_ctl3d = ctl3d;
    ApplyWidth();
}

void TtavCurrencyLabel::SetCellWidth(int width)
{
    m_style.CellWidth = width;
    ApplyWidth();
}

void TtavCurrencyLabel::SetDigitalNumber(int cells)
{
    if (cells < m_style.DecimalNumber || cells < 1)
        return;
    m_style.DigitalNumber = cells;
    ApplyWidth();
}

void TtavCurrencyLabel::SetDecimalNumber(int decimals)
{
    if (decimals < 0 || decimals > m_style.DigitalNumber)
        return;
    m_style.DecimalNumber = decimals;
    update();
}

void TtavCurrencyLabel::SetGridLineWidth(int width)
{
    m_style.GridLineWidth = width;
    ApplyWidth();
}

void TtavCurrencyLabel::SetDigitalSymbols(const QStringList &symbols)
{
    m_digitalSymbols = symbols;
    update();
}

void TtavCurrencyLabel::SetDecimalSymbols(const QStringList &symbols)
{
    m_decimalSymbols = symbols;
    update();
}

void TtavCurrencyLabel::SetTextLayout(TavTextLayout layout) { SetLook(&TavCurrencyStyle::TextLayout, layout); }
void TtavCurrencyLabel::SetColor(const QColor &color) { SetLook(&TavCurrencyStyle::Color, color); }
void TtavCurrencyLabel::SetGridLineColor(const QColor &color) { SetLook(&TavCurrencyStyle::GridLineColor, color); }
void TtavCurrencyLabel::SetDecimalSeparatorColor(const QColor &color) { SetLook(&TavCurrencyStyle::DecimalSeparatorColor, color); }
void TtavCurrencyLabel::SetKilobitSeparatorColor(const QColor &color) { SetLook(&TavCurrencyStyle::KilobitSeparatorColor, color); }
void TtavCurrencyLabel::SetFontColor(const QColor &color) { SetLook(&TavCurrencyStyle::FontColor, color); }

int TtavCurrencyLabel::BorderWidth() const
{
    return TavCellPainter::BorderWidth(m_borderStyle, m_ctl3d);
}

TavCellGeometry TtavCurrencyLabel::Geometry() const
{
    if (m_style.CellWidth >= 0)
        return TavCellGeometry::Fixed(m_style.CellWidth, m_style.DigitalNumber, m_style.GridLineWidth);
    return TavCellGeometry::Automatic(width() - 2 * BorderWidth(), m_style.DigitalNumber, m_style.GridLineWidth);
}

TavCellContent TtavCurrencyLabel::Content() const
{
    return TavCellContent::ForPlaceNames(m_style.DigitalNumber, m_style.DecimalNumber, m_digitalSymbols,
                                         m_decimalSymbols);
}

void TtavCurrencyLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const int b = BorderWidth();
    const QRect inner = rect().adjusted(b, b, -b, -b);
    painter.fillRect(rect(), m_style.Color);
    TavCellPainter::PaintBorder(painter, rect(), m_borderStyle, m_ctl3d);
    const TavCellGeometry geometry = Geometry();
    TavCellPainter::PaintGridLines(painter, inner, geometry, m_style);
    if (m_digitalSymbols.isEmpty() && m_decimalSymbols.isEmpty())
        return;

    painter.setFont(font());
    painter.setPen(m_style.FontColor);
    const QFontMetrics metrics = painter.fontMetrics();
    const int y = inner.top() + TavCellPainter::TextTop(m_style.TextLayout, inner.height(), metrics.height());
    const TavCellContent content = Content();
    const int integerCells = m_style.DigitalNumber - m_style.DecimalNumber;
    for (int cell = 0; cell < content.Cells.size(); ++cell) {
        const QString &text = content.Cells.at(cell);
        if (text.isEmpty())
            continue;
        // The decimal names sit one pixel right and down.
        const int shift = cell >= integerCells ? 1 : 0;
        const QRect box(inner.left() + geometry.ColumnLeft(cell) + shift, inner.top() + shift, geometry.CellWidth(),
                        inner.height());
        const int x = box.left() + (geometry.CellWidth() - metrics.horizontalAdvance(text)) / 2;
        TavCellPainter::PaintClipped(painter, box, x, y + shift, text);
    }
}

void TtavCurrencyLabel::ApplyWidth()
{
    if (m_style.CellWidth >= 0) {
        setFixedWidth(Geometry().TotalWidth() + 2 * BorderWidth());
    } else {
        setMinimumWidth(0);
        setMaximumWidth(QWIDGETSIZE_MAX);
    }
    update();
}
