#pragma once

#include <QList>
#include <QRectF>
#include <QSizeF>
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
// The size of each page, in millimetres.
QList<QSizeF> PdfPageSizes(const QString &pdf);

// A page as poppler's pdfinfo reports it: its size in millimetres as the sheet is defined
// (before any rotation) and its rotation in degrees.
struct PdfInfoPage
{
    QSizeF mm;
    int rotation = 0;
};
QList<PdfInfoPage> PdfInfoPages(const QString &pdf);
