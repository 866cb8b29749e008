#pragma once

#include "tav/TavCellContent.h"
#include "tav/TavCellGeometry.h"
#include "tav/TavCurrencyStyle.h"

#include <QWidget>

// The header row drawn above an amount box: the same cell grid, with the place name of each
// cell (元, 十, 百 ... 角, 分). The bill form also uses it as a row of character cells. Takes no
// focus.
class TtavCurrencyLabel : public QWidget
{
    Q_OBJECT

public:
    explicit TtavCurrencyLabel(QWidget *parent = nullptr);

    TavBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TavBorderStyle style);
    bool Ctl3D() const { return m_ctl3d; }
    void SetCtl3D(bool ctl3d);
    int CellWidth() const { return m_style.CellWidth; }
    void SetCellWidth(int width);
    int DigitalNumber() const { return m_style.DigitalNumber; }
    // At least DecimalNumber, no upper bound.
    void SetDigitalNumber(int cells);
    int DecimalNumber() const { return m_style.DecimalNumber; }
    // 0 .. DigitalNumber.
    void SetDecimalNumber(int decimals);
    int GridLineWidth() const { return m_style.GridLineWidth; }
    void SetGridLineWidth(int width);
    QStringList DigitalSymbols() const { return m_digitalSymbols; }
    // Names of the integer cells from the units cell leftwards.
    void SetDigitalSymbols(const QStringList &symbols);
    QStringList DecimalSymbols() const { return m_decimalSymbols; }
    // Names of the decimal cells from the left.
    void SetDecimalSymbols(const QStringList &symbols);
    TavTextLayout TextLayout() const { return m_style.TextLayout; }
    void SetTextLayout(TavTextLayout layout);
    QColor Color() const { return m_style.Color; }
    void SetColor(const QColor &color);
    QColor GridLineColor() const { return m_style.GridLineColor; }
    void SetGridLineColor(const QColor &color);
    QColor DecimalSeparatorColor() const { return m_style.DecimalSeparatorColor; }
    void SetDecimalSeparatorColor(const QColor &color);
    QColor KilobitSeparatorColor() const { return m_style.KilobitSeparatorColor; }
    void SetKilobitSeparatorColor(const QColor &color);
    QColor FontColor() const { return m_style.FontColor; }
    void SetFontColor(const QColor &color);

    // The cells inside the border as they are laid out now.
    TavCellGeometry Geometry() const;
    int BorderWidth() const;
    TavCellContent Content() const;

    QSize sizeHint() const override { return QSize(121, 25); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void ApplyWidth();
    template <typename T> void SetLook(T TavCurrencyStyle::*member, const T &value)
    {
        m_style.*member = value;
        update();
    }

    TavCurrencyStyle m_style;
    TavBorderStyle m_borderStyle = TavBorderStyle::Single;
    bool m_ctl3d = true;
    QStringList m_digitalSymbols;
    QStringList m_decimalSymbols;
};
