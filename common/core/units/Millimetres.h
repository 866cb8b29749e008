#pragma once

#include <compare>

// A length on paper in millimetres: the calibration offsets of a template (Xmove, Ymove).
struct Millimetres
{
    double value = 0;

    constexpr Millimetres() = default;
    constexpr explicit Millimetres(double mm) : value(mm) {}

    friend constexpr auto operator<=>(Millimetres, Millimetres) = default;
};
