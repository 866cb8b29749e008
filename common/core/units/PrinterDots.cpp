#include "core/units/PrinterDots.h"

#include <cmath>

int PrinterDots::rounded() const
{
    // A division by a zero resolution gives no meaningful dot; it reads as 0.
    return std::isfinite(value) ? int(std::nearbyint(value)) : 0;
}

PrinterDots DotsOf(Millimetres length, double dotsPerInch)
{
    return PrinterDots(length.value / 25.4 * dotsPerInch);
}
