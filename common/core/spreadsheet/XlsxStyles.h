#pragma once

#include "core/spreadsheet/SheetCell.h"

#include <QIODevice>
#include <QList>

// The cell formats of a workbook, reduced to what their number format makes of a number.
class XlsxStyles
{
public:
    XlsxStyles() = default;
    // Reads styles.xml; raises SpreadsheetError (damaged) when it is not well-formed.
    explicit XlsxStyles(QIODevice *stylesPart);

    // Kind::Number unless the cell format of that index shows a date or time.
    SheetCell::Kind kindOfStyle(int styleIndex) const;

private:
    QList<SheetCell::Kind> m_kinds;
};
