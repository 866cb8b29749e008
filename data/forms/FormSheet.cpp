#include "FormSheet.h"

#include <cmath>

namespace {
int pixels(double mm, int dpi)
{
    return static_cast<int>(std::lround(mm * dpi / 25.4));
}
} // namespace

int FormSheet::widthPx() const
{
    return pixels(widthMm, dpi);
}

int FormSheet::heightPx() const
{
    return pixels(heightMm, dpi);
}
