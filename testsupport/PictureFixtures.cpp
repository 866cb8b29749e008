#include "PictureFixtures.h"

#include <QBuffer>
#include <QImage>
#include <QtEndian>

QByteArray JpegClaimingSize(const QByteArray &jpeg, int width, int height)
{
    QByteArray claimed = jpeg;
    // Walk the segments to the frame header (SOF0..SOF2): FF Cn, length, precision, height, width.
    qsizetype i = 2;
    while (i + 9 < claimed.size() && quint8(claimed[i]) == 0xFF) {
        const quint8 marker = quint8(claimed[i + 1]);
        if (marker >= 0xC0 && marker <= 0xC2) {
            qToBigEndian(quint16(height), claimed.data() + i + 5);
            qToBigEndian(quint16(width), claimed.data() + i + 7);
            return claimed;
        }
        i += 2 + (quint8(claimed[i + 2]) << 8 | quint8(claimed[i + 3]));
    }
    qFatal("no frame header in the JPEG");
}

QByteArray TruncatedJpeg(const QByteArray &jpeg)
{
    return jpeg.left(jpeg.size() / 2);
}

QByteArray PngPicture()
{
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}
