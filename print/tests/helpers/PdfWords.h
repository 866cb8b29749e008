#pragma once

#include <QList>
#include <QRectF>
#include <QString>

// One word of a printed page as poppler (pdftotext -bbox) reads it back, in millimetres from
// the sheet's corner.
struct PrintedWord
{
    int page = 0;
    QString text;
    QRectF mm;
};

QList<PrintedWord> wordsOf(const QString &pdf);
