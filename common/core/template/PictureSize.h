#pragma once

#include "core/picture/JpegResolution.h"
#include "core/template/TemplateNote.h"

#include <QSize>
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
// extension.
QString PictureSizeKey(const QString &imgFile);

// What importing the picture `imgFile` (name in the images folder) writes into its template
// row: the file, its density, unit and form, empty conversion rates, and the paper size as
// enciphered tWidth and tHeight. Without a size or a density in both directions the sizes are
// left as they are (the zero density stays visible as the resolution warning).
void ApplyPictureImport(TemplateNote &note, const QString &imgFile, const JpegResolution &resolution,
                        const std::optional<QSize> &size);

// A stored tWidth or tHeight of the picture `imgFile`, deciphered, in inches. Raises
// CorvaneError when the text is no number.
double StoredPictureInches(const QString &cipherHex, const QString &imgFile);
