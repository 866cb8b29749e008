#include "tav/TavCurrencyStyle.h"

QColor TavCurrencyStyle::Background(bool focused, bool negative) const
{
    if (focused)
        return FocusedColor;
    return negative && ShowNegativeColor ? NegativeColor : Color;
}

const QFont &TavCurrencyStyle::FontFor(bool negative) const
{
    return negative && ShowNegativeFont ? NegativeFont : Font;
}

const QColor &TavCurrencyStyle::FontColorFor(bool negative) const
{
    return negative && ShowNegativeFont ? NegativeFontColor : FontColor;
}

const QColor &TavCurrencyStyle::LineColor(int i) const
{
    const int integerCells = DigitalNumber - DecimalNumber;
    if (i == integerCells)
        return DecimalSeparatorColor;
    // Counted from the point both ways, so the decimal part gets its thousands lines too.
    if ((integerCells - i) % 3 == 0)
        return KilobitSeparatorColor;
    return GridLineColor;
}
