#include "core/picture/Pic.h"

#include "core/crypto/Des.h"
#include "core/picture/PictureError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QtEndian>

namespace {

const QByteArray kPictureKey = QByteArrayLiteral("quvrest.zd");
constexpr int kJfifHeaderSize = 20;

// A picture file's content: the JPEG bytes of form 0, the plain hex text of form 1.
struct PictureContent
{
    QByteArray data;
    quint16 form = 0;
};

QByteArray WithoutTrailingBlanks(QByteArray text)
{
    qsizetype end = text.size();
    while (end > 0 && (text[end - 1] == '\r' || text[end - 1] == '\n' || text[end - 1] == ' ' || text[end - 1] == '\t'))
        --end;
    text.truncate(end);
    return text;
}

PictureContent ContentOf(const QByteArray &content)
{
    if (content.startsWith("\xFF\xD8"))
        return {content, 0};
    QByteArray hex = WithoutTrailingBlanks(content);
    if (!hex.startsWith("FFD8"))
        hex = WithoutTrailingBlanks(DecryStr(HexTextToBytes(hex), kPictureKey));
    return {hex, 1};
}

PictureContent ReadPicture(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw PictureError(QStringLiteral("不能打开图片文件%1").arg(QDir::toNativeSeparators(fileName)));
    return ContentOf(file.readAll());
}

bool IsJfifHeader(const QByteArray &header)
{
    return header.size() >= kJfifHeaderSize && header.startsWith("\xFF\xD8\xFF\xE0")
        && header.mid(6, 5) == QByteArrayView("JFIF\0", 5);
}

} // namespace

std::optional<QSize> GetJpgSize(const QString &fileName)
{
    if (!QFileInfo(fileName).isFile())
        return std::nullopt;
    QImageReader reader(fileName, "jpeg");
    reader.setAutoDetectImageFormat(false);
    if (!reader.canRead())
        return std::nullopt;
    const QSize size = reader.size();
    if (!size.isValid())
        return std::nullopt;
    return size;
}

JpegResolution GetJPEGRes(const QString &fileName)
{
    const PictureContent content = ReadPicture(fileName);
    const QByteArray header = content.form == 0 ? content.data.left(kJfifHeaderSize)
                                                : HexTextToBytes(QByteArrayView(content.data).first(std::min<qsizetype>(content.data.size(), 2 * kJfifHeaderSize)));
    JpegResolution resolution;
    resolution.form = content.form;
    if (IsJfifHeader(header)) {
        resolution.units = quint8(header[13]);
        resolution.xDensity = qFromBigEndian<quint16>(header.constData() + 14);
        resolution.yDensity = qFromBigEndian<quint16>(header.constData() + 16);
    }
    return resolution;
}

QSize SetJpegImg(const QString &fileName, QImage &image)
{
    const PictureContent content = ReadPicture(fileName);
    const QByteArray jpeg = content.form == 0 ? content.data : HexTextToBytes(content.data);
    if (!image.loadFromData(jpeg, "JPEG"))
        throw PictureError(QStringLiteral("图片文件%1不是有效的JPEG图片").arg(QDir::toNativeSeparators(fileName)));
    return image.size();
}

QByteArray PictureJpegBytes(const QByteArray &content)
{
    const PictureContent picture = ContentOf(content);
    return picture.form == 0 ? picture.data : HexTextToBytes(picture.data);
}
