#pragma once

#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>

// One word of a printed page as poppler's pdftotext reads it back, in millimetres from the
// sheet's corner.
struct PrintedWord
{
    int page = 0;  // from 1
    QString text;
    QRectF mm;
};

QList<PrintedWord> PdfWords(const QString &pdf);
// The size of each page, in millimetres.
QList<QSizeF> PdfPageSizes(const QString &pdf);
