#include "core/template/PictureSize.h"

#include "core/crypto/Des.h"
#include "core/errors/CorvaneError.h"

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

QString PictureSizeKey(const QString &imgFile)
{
    return QFileInfo(imgFile).completeBaseName();
}

void ApplyPictureImport(TemplateNote &note, const QString &imgFile, const JpegResolution &resolution,
                        const std::optional<QSize> &size)
{
    note.imgFile = imgFile;
    note.xDpi = resolution.xDensity;
    note.yDpi = resolution.yDensity;
    note.dpiUnit = resolution.units;
    note.imgEnc = resolution.form;
    note.convertRate1.clear();
    note.convertRate2.clear();
    const std::optional<double> width =
        size ? PictureInches(size->width(), resolution.xDensity, resolution.units) : std::nullopt;
    const std::optional<double> height =
        size ? PictureInches(size->height(), resolution.yDensity, resolution.units) : std::nullopt;
    if (width && height) {
        const QString key = PictureSizeKey(imgFile);
        note.tWidth = DesEncryStrHex(InchesText(*width), key);
        note.tHeight = DesEncryStrHex(InchesText(*height), key);
    }
}

double StoredPictureInches(const QString &cipherHex, const QString &imgFile)
{
    const QString text = DesDecryStrHex(cipherHex, PictureSizeKey(imgFile));
    bool ok = false;
    const double inches = text.trimmed().toDouble(&ok);
    if (!ok)
        throw CorvaneError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
    return inches;
}
