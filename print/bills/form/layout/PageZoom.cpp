#include "bills/form/layout/PageZoom.h"

#include <algorithm>
#include <cmath>

PageZoom::PageZoom(double factor)
{
    setFactor(factor > 0 ? factor : 1.0);
}

void PageZoom::setFactor(double factor)
{
    m_factor = std::clamp(std::nearbyint(factor * 100.0) / 100.0, kSmallest, kLargest);
}

void PageZoom::zoomIn()
{
    setFactor(m_factor * kStepIn);
}

void PageZoom::zoomOut()
{
    setFactor(m_factor * kStepOut);
}

int PageZoom::scaled(int base) const
{
    return int(std::nearbyint(base * m_factor));
}

QSize PageZoom::scaled(const QSize &base) const
{
    return {scaled(base.width()), scaled(base.height())};
}

QRect PageZoom::scaled(const QRect &base) const
{
    return {scaled(base.x()), scaled(base.y()), scaled(base.width()), scaled(base.height())};
}

QFont PageZoom::scaled(const QFont &base) const
{
    QFont font = base;
    if (base.pointSizeF() > 0)
        font.setPointSizeF(base.pointSizeF() * m_factor);
    else if (base.pixelSize() > 0)
        font.setPixelSize(std::max(scaled(base.pixelSize()), 1));
    return font;
}
