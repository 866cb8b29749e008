#pragma once

#include "core/picture/JpegResolution.h"

#include <QByteArray>
#include <QSize>
#include <QString>

// A picture found fit to be a template's background: its size in pixels and its density.
struct CheckedPicture
{
    QSize size;
    JpegResolution resolution;
};

// The largest paper a background picture may stand for, on either side.
inline constexpr double kLargestPaperMm = 2000.0;

// Checks the content of a picture file (a JPEG, its hex text or that text enciphered) before it
// becomes a template's picture: a complete JPEG, whose size its header gives, that can be
// loaded, and whose paper at its own density is no larger than 2 m on a side. `shownName` names
// the file in the messages. Raises PictureError saying why it is refused.
CheckedPicture CheckTemplatePicture(const QByteArray &content, const QString &shownName);
CheckedPicture CheckTemplatePictureFile(const QString &path);
