#pragma once

#include <QString>

// The container of a spreadsheet file, told by its first bytes, never by its name.
enum class SpreadsheetFormat {
    Unknown,
    Xls,  // OLE2 compound file
    Xlsx, // zip package
};

// Raises SpreadsheetError when the file cannot be opened.
SpreadsheetFormat DetectSpreadsheetFormat(const QString &path);
