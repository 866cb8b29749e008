#pragma once

#include <QPageLayout>
#include <QSizeF>
#include <QSqlDatabase>
#include <QString>

class QPrinter;

// The paper a format prints on is the paper its picture covers (its size in inches, from the
// picture's density): that size, lying as the form lies, without margins, so a picture
// coordinate lands where it lies on the form. The page is that size itself, never a turned
// one: a queue gets the form's width and length as a custom size and nothing to rotate.
QPageLayout FormatPageLayout(QSizeF paperInches);

// Sets the printer's page to the format's paper, before the printer dialog shows.
void ApplyFormatPaper(QPrinter &printer, QSizeF paperInches);
// The same for the format `noteName` as stored; why not when the format or its paper size
// cannot be read (the printer is then left as it was).
QString ApplyStoredFormatPaper(const QSqlDatabase &db, const QString &noteName, QPrinter &printer);
// As ApplyStoredFormatPaper; false, with the reason shown, when it cannot.
bool FollowFormatPaper(const QSqlDatabase &db, const QString &noteName, QPrinter &printer);

// Empty when the format fits on the page; else why not (the format would be printed cut off).
QString PaperFitRefusal(const QString &noteName, QSizeF paperInches, const QPageLayout &page);
