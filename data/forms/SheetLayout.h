#pragma once

#include "FormCanvas.h"
#include "FormSheet.h"

// Draws a form and places its fields on the boxes it draws, so picture and format agree.
class SheetLayout
{
public:
    SheetLayout(FormSheet &sheet, FormCanvas &canvas);

    FormCanvas &canvas() { return m_canvas; }
    int width() const { return m_sheet.widthPx(); }
    int height() const { return m_sheet.heightPx(); }

    // A field on the rectangle (picture pixels).
    SheetField &field(const QString &caption, const QString &column, const QString &editKind, const QRect &rect);
    // A field inside a drawn box, clear of its rules.
    SheetField &fieldIn(const QString &caption, const QString &column, const QString &editKind, const QRect &box);
    // A shown, unprinted field (entry of a value whose printed form is another column).
    SheetField &entryOnly(const QString &caption, const QString &column, const QString &editKind, const QRect &rect);
    // A printed, unshown field (a derived column).
    SheetField &printOnly(const QString &caption, const QString &column, const QRect &rect);

    // A detail grid whose data rows fill `rows` and whose title row stands above it.
    int grid(const QString &caption, const QString &detailTable, const QRect &rows, int titleHeight, int lines,
             const QString &formula);
    SheetField &gridColumn(int grid, const QString &caption, const QString &column, const QString &editKind, int left,
                           int width);

    // A row of a ruled table: caption cell, divider, value cell; gives the value cell.
    QRect captionCell(const QRect &row, const QString &caption, int captionWidth, int size = 14);
    // The date in figures: 年 月 日 captions after three printed parts of `dateColumn`, and one
    // date entry over them. `at` is the top left of the year box.
    void datePartsInFigures(const QPoint &at, const QString &dateColumn, const QString &caption);
    // An amount row: caption, capital amount, and boxes with place names over the digits.
    void amountRow(const QRect &row, int captionWidth, const QString &amountColumn, int boxesWidth);

private:
    FormSheet &m_sheet;
    FormCanvas &m_canvas;
};
