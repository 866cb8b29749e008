#pragma once

#include <QPageLayout>
#include <QSizeF>
#include <QString>

class QPrinter;

// The paper a format prints on is the paper its picture covers (its size in inches, from the
// picture's density): that size, in its orientation, without margins, so a picture coordinate
// lands where it lies on the form.
QPageLayout FormatPageLayout(QSizeF paperInches);

// Sets the printer's page to the format's paper, before the printer dialog shows.
void ApplyFormatPaper(QPrinter &printer, QSizeF paperInches);

// Empty when the format fits on the page; else why not (the format would be printed cut off).
QString PaperFitRefusal(const QString &noteName, QSizeF paperInches, const QPageLayout &page);
