#include "data/PictureFit.h"

#include <cmath>

QRect FitPictureToPanel(const QSize &picture, const QSize &panel)
{
    if (picture.isEmpty() || panel.height() <= 0)
        return {};
    const int width = static_cast<int>(std::nearbyint(double(picture.width()) / picture.height() * panel.height()));
    return QRect((panel.width() - width) / 2, 0, width, panel.height());
}
