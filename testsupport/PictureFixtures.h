#pragma once

#include <QByteArray>

// Pictures that must not become a template's background, made from a good JPEG.

// The JPEG with its frame header claiming `width` x `height` pixels; its data unchanged.
QByteArray JpegClaimingSize(const QByteArray &jpeg, int width, int height);

// The first half of the JPEG: header and part of the picture, no end marker.
QByteArray TruncatedJpeg(const QByteArray &jpeg);

// A small PNG (what a picture renamed ".jpg" holds).
QByteArray PngPicture();
