#include "FormSheet.h"

#include <cmath>

namespace {
int pixels(double mm, int dpi)
{
    return static_cast<int>(std::lround(mm * dpi / 25.4));
}
} // namespace

FormSheet NewFormSheet(const QString &kind, const QString &refNo, const QString &file, const QString &dataTable,
                       double widthMm, double heightMm, const QColor &ink, const QString &glyph)
{
    FormSheet sheet;
    sheet.kind = kind;
    sheet.refNo = refNo;
    sheet.dataTable = dataTable;
    sheet.imageFile = file + QStringLiteral(".jpg");
    sheet.iconFile = file + QStringLiteral(".bmp");
    sheet.widthMm = widthMm;
    sheet.heightMm = heightMm;
    sheet.ink = ink;
    sheet.iconGlyph = glyph;
    return sheet;
}

int FormSheet::widthPx() const
{
    return pixels(widthMm, dpi);
}

int FormSheet::heightPx() const
{
    return pixels(heightMm, dpi);
}
