#pragma once

#include <QtGlobal>

// The density fields of a picture's JFIF header and the form of its file. A picture without a
// JFIF header has zero densities: callers must not divide by them.
struct JpegResolution
{
    quint16 units = 0;      // 0 no unit, 1 dots per inch, 2 dots per centimetre
    quint16 xDensity = 0;
    quint16 yDensity = 0;
    quint16 form = 0;       // 0 a JPEG file, 1 hex text (enciphered or not)

    bool hasDensity() const { return xDensity > 0 && yDensity > 0; }
};
