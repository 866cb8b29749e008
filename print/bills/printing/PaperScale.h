#pragma once

#include "bills/printing/PrintItem.h"
#include "bills/printing/PrintTemplate.h"

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QSizeF>

// Where picture pixels land on paper: the picture covers `paperInches`, so a coordinate prints
// at its share of the printer's dots per inch, plus the calibration offset in printer pixels.
// Whole pixels round to the nearest, halves to the even neighbour.
class PaperScale
{
public:
    // Raises PrintRefusal for a picture without pixels or a paper size that is not positive.
    PaperScale(QSize picturePixels, QSizeF paperInches, int dpiX, int dpiY, QPointF offsetMm);

    QPoint offset() const { return m_offset; }
    QRect toDevice(const QRect &pictureRect) const;
    QList<PrintItem> toDevice(QList<PrintItem> items) const;

private:
    double m_ratioX; // picture pixels per inch of paper
    double m_ratioY;
    int m_dpiX;
    int m_dpiY;
    QPoint m_offset;
};

// The paper size stored with the template (tWidth, tHeight), deciphered. Raises PrintRefusal
// when either cannot be read as a positive number.
QSizeF StoredPaperInches(const PrintTemplate &tpl);
