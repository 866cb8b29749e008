#include "core/template/PictureSize.h"

#include "core/text/GbkCodec.h"

#include <QFileInfo>

std::optional<double> PictureInches(int pixels, int density, int unit)
{
    if (density <= 0)
        return std::nullopt;
    const double perInch = unit == DotsPerCentimetre ? density * 2.54 : density;
    return pixels / perInch;
}

QString InchesText(double inches)
{
    return QString::number(inches, 'f', 6);
}

QByteArray PictureSizeKey(const QString &imgFile)
{
    return toGbk(QFileInfo(imgFile).completeBaseName());
}
