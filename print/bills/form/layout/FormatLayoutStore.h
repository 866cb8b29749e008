#pragma once

#include <QSqlDatabase>
#include <QString>

// What the bill form writes back into its format's p_NoteList row while the user fits the page
// to the paper and the screen. Each write is one bound statement, at once.

enum class OffsetAxis { Horizontal, Vertical };

// Xmove or Ymove, in millimetres rounded to 0.01.
void StoreFormatOffset(const QSqlDatabase &db, const QString &noteName, OffsetAxis axis, double mm);
// xPanelPos, the position of the printer's paper guide.
void StorePaperGuide(const QSqlDatabase &db, const QString &noteName, int position);
// ZoomFactor, with two decimals.
void StoreZoomFactor(const QSqlDatabase &db, const QString &noteName, double factor);
