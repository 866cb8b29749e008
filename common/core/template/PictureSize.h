#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The paper size a template's picture covers, as the picture's own header gives it. Printing
// divides picture pixels by it, so it is stored per template (tWidth, tHeight).

// Density units of a JPEG header.
enum JpegDensityUnit { DensityNoUnit = 0, DotsPerInch = 1, DotsPerCentimetre = 2 };

// Inches that `pixels` cover at `density` dots per `unit`; none when the density is 0 (the
// header gives no size). A header without a unit is read as dots per inch.
std::optional<double> PictureInches(int pixels, int density, int unit);

// The stored text of a size in inches: 6 decimals.
QString InchesText(double inches);

// The key that enciphers a template's sizes: the picture's file name without folder and
// extension, as GBK bytes.
QByteArray PictureSizeKey(const QString &imgFile);
