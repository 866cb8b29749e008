#pragma once

#include "tav/TavColor.h"
#include "tav/TavTypes.h"

#include <QFont>
#include <QString>

// Everything that decides how an amount is laid out and painted into digit cells. The currency
// edit owns one; the print routine reads it from an edit, so screen and paper agree.
struct TavCurrencyStyle
{
    static constexpr int MaxCells = 18;

    int DigitalNumber = 10; // all cells
    int DecimalNumber = 2;  // cells right of the point
    int CellWidth = -1;     // negative: the cells share the width
    int GridLineWidth = 1;
    QString CurrencySymbol = QStringLiteral("\uFFE5");
    bool CurrencySymbolAligned = false;
    bool ShowNegativeSign = true;
    bool ShowNegativeColor = false;
    bool ShowNegativeFont = false;
    bool ZeroEmpty = true;
    TavTextLayout TextLayout = TavTextLayout::Center;

    QColor Color = QColor(Qt::white);
    QColor FocusedColor = TavColor(65535);
    QColor NegativeColor = TavColor(255);
    QColor GridLineColor = TavColor(12632256);
    QColor DecimalSeparatorColor = TavColor(255);
    QColor KilobitSeparatorColor = TavColor(0);

    QFont Font;
    QColor FontColor = TavColor(0);
    QFont NegativeFont;
    QColor NegativeFontColor = TavColor(0);

    int HasPoint() const { return DecimalNumber > 0 ? 1 : 0; }
    int UnitsCell() const { return DigitalNumber - DecimalNumber - 1; }

    QColor Background(bool focused, bool negative) const;
    const QFont &FontFor(bool negative) const;
    const QColor &FontColorFor(bool negative) const;
    // Colour of the grid line left of cell i (1 .. DigitalNumber - 1).
    const QColor &LineColor(int i) const;
};
