#pragma once

#include "core/units/Millimetres.h"

#include <compare>

// A length in dots of a printer (device pixels at the printer's resolution).
struct PrinterDots
{
    double value = 0;

    constexpr PrinterDots() = default;
    constexpr explicit PrinterDots(double dots) : value(dots) {}

    friend constexpr auto operator<=>(PrinterDots, PrinterDots) = default;

    // The nearest whole dot, halves to the even neighbour.
    int rounded() const;
};

// Millimetres on a printer of `dotsPerInch` (25.4 mm per inch).
PrinterDots DotsOf(Millimetres length, double dotsPerInch);
