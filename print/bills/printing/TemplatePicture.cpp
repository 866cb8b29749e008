#include "bills/printing/TemplatePicture.h"

#include "bills/printing/PrintRefusal.h"
#include "core/picture/Pic.h"

namespace {

const QString kPictureUnreadable = QStringLiteral("图片不正确");

bool isHexText(const PrintTemplate &tpl)
{
    return tpl.note().imgEnc.value_or(0) == 1;
}

} // namespace

QSize TemplatePictureSize(const PrintTemplate &tpl)
{
    if (isHexText(tpl)) {
        QImage image;
        return SetJpegImg(tpl.picturePath(), image);
    }
    const std::optional<QSize> size = GetJpgSize(tpl.picturePath());
    if (!size)
        throw PrintRefusal(kPictureUnreadable);
    return *size;
}

QImage TemplatePictureImage(const PrintTemplate &tpl)
{
    QImage image;
    if (isHexText(tpl))
        SetJpegImg(tpl.picturePath(), image);
    else if (!image.load(tpl.picturePath(), "JPEG"))
        throw PrintRefusal(kPictureUnreadable);
    return image;
}
