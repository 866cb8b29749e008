#pragma once

#include "PdfReadBack.h"

// The printing tests' names for the words poppler reads back (testsupport's PdfWords).
using PrintedWord = PdfWord;

inline QList<PrintedWord> wordsOf(const QString &pdf)
{
    return PdfWords(pdf);
}
