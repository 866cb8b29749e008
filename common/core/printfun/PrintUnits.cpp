#include "core/printfun/PrintUnits.h"

#include "core/units/PrinterDots.h"

#include <cmath>

namespace {
constexpr double kMillimetresPerInch = 25.4;

// The default floating-point environment rounds to nearest, ties to even. A division by a zero
// resolution gives no meaningful pixel; it reads as 0 rather than an undefined conversion.
int roundHalfEven(double value)
{
    if (!std::isfinite(value))
        return 0;
    return static_cast<int>(std::nearbyint(value));
}
}

int ConvertMMToPix(double mm, int dpi)
{
    return DotsOf(Millimetres(mm), dpi).rounded();
}

double ConvertPixToMM(int pixels, int dpi)
{
    return std::nearbyint(static_cast<double>(pixels) / dpi * kMillimetresPerInch * 100.0) / 100.0;
}

int ConvertToPixCount(int n, double a, double b, double c)
{
    return roundHalfEven(n * b / a / c);
}

int MarginToPix(double mm)
{
    return roundHalfEven(mm / 0.5);
}
