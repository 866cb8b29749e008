#pragma once

#include "core/picture/JpegResolution.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <optional>

// A template's background picture is stored in one of three forms: a JPEG file (it begins
// with the bytes FF D8); the JPEG's bytes as hex text beginning "FFD8"; or that hex text
// enciphered with the fixed picture key. Line ends and blanks after the text are ignored.
// Unreadable files raise PictureError, hex texts with a stray character DesError.

// The size of a JPEG file; nothing when the file cannot be read as a JPEG.
std::optional<QSize> GetJpgSize(const QString &fileName);

// The JFIF density of a picture file in any form.
JpegResolution GetJPEGRes(const QString &fileName);

// Loads a picture file in any form into image and returns its size.
QSize SetJpegImg(const QString &fileName, QImage &image);

// The JPEG bytes of a picture file's content in any form (raises DesError for a text that is no
// hex text).
QByteArray PictureJpegBytes(const QByteArray &content);
