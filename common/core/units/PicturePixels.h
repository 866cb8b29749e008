#pragma once

#include <QRect>

#include <compare>

// A coordinate or length in pixels of a template's picture: what a field's position and size
// are stored in. A type of its own so that it is never mixed with millimetres or printer dots.
struct PicturePixels
{
    int value = 0;

    constexpr PicturePixels() = default;
    constexpr explicit PicturePixels(int pixels) : value(pixels) {}

    friend constexpr auto operator<=>(PicturePixels, PicturePixels) = default;
    friend constexpr PicturePixels operator+(PicturePixels a, PicturePixels b) { return PicturePixels(a.value + b.value); }
    friend constexpr PicturePixels operator-(PicturePixels a, PicturePixels b) { return PicturePixels(a.value - b.value); }
};

// A field's rectangle on the picture.
struct PictureRect
{
    PicturePixels x;
    PicturePixels y;
    PicturePixels width;
    PicturePixels height;

    friend constexpr bool operator==(const PictureRect &, const PictureRect &) = default;

    QRect toRect() const { return QRect(x.value, y.value, width.value, height.value); }
    static PictureRect fromRect(const QRect &rect)
    {
        return {PicturePixels(rect.x()), PicturePixels(rect.y()), PicturePixels(rect.width()),
                PicturePixels(rect.height())};
    }
};
