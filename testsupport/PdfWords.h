#pragma once

#include <QList>
#include <QRectF>
#include <QString>

// One word of a printed PDF as poppler's pdftotext -bbox reads it back: its page (from 1) and
// its box in millimetres from the sheet's top-left corner.
struct PdfWord
{
    int page = 0;
    QString text;
    QRectF mm;
};

QList<PdfWord> PdfWords(const QString &pdf);
// The number of pages pdftotext sees.
int PdfPageCount(const QString &pdf);
