#pragma once

#include "core/spreadsheet/SheetData.h"

#include <QStringList>

// One file format's reading of a workbook; errors are raised as SpreadsheetError.
class WorkbookBackend
{
public:
    virtual ~WorkbookBackend() = default;
    virtual QStringList sheetNames() const = 0;
    virtual SheetData readSheet(int index) = 0;
};
