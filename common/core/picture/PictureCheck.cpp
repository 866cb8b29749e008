#include "core/picture/PictureCheck.h"

#include "core/crypto/DesError.h"
#include "core/picture/Pic.h"
#include "core/picture/PictureError.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QtEndian>

namespace {

// Decoding holds four bytes a pixel: beyond this the picture cannot be loaded on any machine
// the program runs on (the image reader's own limit is the same).
constexpr qint64 kLargestPictureBytes = qint64(256) << 20;
// More than this cannot be a picture of a paper form.
constexpr qint64 kLargestPictureFile = qint64(64) << 20;

quint8 byteAt(const QByteArray &bytes, qsizetype i)
{
    return quint8(bytes[i]);
}

// Whether the JPEG's markers run in order from its start to its end marker: a file cut short
// decodes to a picture with a grey lower part, without complaint from the decoder.
bool isCompleteJpeg(const QByteArray &jpeg)
{
    const qsizetype n = jpeg.size();
    if (n < 4 || byteAt(jpeg, 0) != 0xFF || byteAt(jpeg, 1) != 0xD8)
        return false;
    qsizetype i = 2;
    while (i + 1 < n) {
        if (byteAt(jpeg, i) != 0xFF)
            return false;
        const quint8 marker = byteAt(jpeg, i + 1);
        if (marker == 0xFF) {  // fill byte
            ++i;
            continue;
        }
        i += 2;
        if (marker == 0xD9)
            return true;
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7))
            continue;  // markers without a segment
        if (i + 2 > n)
            return false;
        const int length = byteAt(jpeg, i) << 8 | byteAt(jpeg, i + 1);
        if (length < 2 || i + length > n)
            return false;
        i += length;
        if (marker != 0xDA)
            continue;
        // Entropy-coded data: a 0xFF in it is followed by a zero byte or a restart marker.
        while (i + 1 < n) {
            if (byteAt(jpeg, i) == 0xFF) {
                const quint8 next = byteAt(jpeg, i + 1);
                if (next == 0x00 || (next >= 0xD0 && next <= 0xD7)) {
                    i += 2;
                    continue;
                }
                if (next != 0xFF)
                    break;
            }
            ++i;
        }
    }
    return false;
}

JpegResolution resolutionOf(const QByteArray &jpeg, quint16 form)
{
    JpegResolution resolution;
    resolution.form = form;
    if (jpeg.size() >= 20 && jpeg.startsWith("\xFF\xD8\xFF\xE0") && jpeg.mid(6, 5) == QByteArrayView("JFIF\0", 5)) {
        resolution.units = byteAt(jpeg, 13);
        resolution.xDensity = qFromBigEndian<quint16>(jpeg.constData() + 14);
        resolution.yDensity = qFromBigEndian<quint16>(jpeg.constData() + 16);
    }
    return resolution;
}

// Millimetres of paper `pixels` stand for at a density; nothing without one.
std::optional<double> paperMm(int pixels, quint16 density, quint16 units)
{
    if (density == 0)
        return std::nullopt;
    const double perInch = units == 2 ? density * 2.54 : density;
    return pixels / perInch * 25.4;
}

} // namespace

CheckedPicture CheckTemplatePicture(const QByteArray &content, const QString &shownName)
{
    const PictureError notJpeg(QStringLiteral("%1不是有效的JPEG图片").arg(shownName));
    QByteArray jpeg;
    try {
        jpeg = PictureJpegBytes(content);
    } catch (const DesError &) {
        throw notJpeg;
    }
    const quint16 form = content.startsWith("\xFF\xD8") ? 0 : 1;
    if (!jpeg.startsWith("\xFF\xD8\xFF"))
        throw notJpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "jpeg");
    reader.setAutoDetectImageFormat(false);
    const QSize size = reader.canRead() ? reader.size() : QSize();
    if (!size.isValid() || size.isEmpty())
        throw notJpeg;
    if (!isCompleteJpeg(jpeg))
        throw PictureError(QStringLiteral("%1不是有效的JPEG图片：文件不完整").arg(shownName));

    CheckedPicture checked{size, resolutionOf(jpeg, form)};
    const JpegResolution &r = checked.resolution;
    const std::optional<double> widthMm = paperMm(size.width(), r.xDensity, r.units);
    const std::optional<double> heightMm = paperMm(size.height(), r.yDensity, r.units);
    if ((widthMm && *widthMm > kLargestPaperMm) || (heightMm && *heightMm > kLargestPaperMm))
        throw PictureError(QStringLiteral("图片%1的纸张尺寸为%2 x %3毫米，超过了%4毫米，不能作为单据背景")
                               .arg(shownName)
                               .arg(widthMm ? *widthMm : 0.0, 0, 'f', 0)
                               .arg(heightMm ? *heightMm : 0.0, 0, 'f', 0)
                               .arg(kLargestPaperMm, 0, 'f', 0));
    const qint64 pixelBytes = qint64(size.width()) * size.height() * 4;
    const QString tooLarge = QStringLiteral("图片%1有%2 x %3像素，太大，不能载入").arg(shownName).arg(size.width()).arg(size.height());
    if (pixelBytes > kLargestPictureBytes)
        throw PictureError(tooLarge);
    QImage image;
    if (!image.loadFromData(jpeg, "JPEG") || image.size() != size)
        throw notJpeg;
    return checked;
}

CheckedPicture CheckTemplatePictureFile(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw PictureError(QStringLiteral("不能打开图片文件%1").arg(name));
    if (file.size() > kLargestPictureFile)
        throw PictureError(QStringLiteral("%1太大，不是单据背景图片").arg(name));
    return CheckTemplatePicture(file.readAll(), name);
}
