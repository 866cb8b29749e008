#pragma once

#include "core/spreadsheet/SheetData.h"

#include <QStringList>

#include <memory>

class WorkbookBackend;

// Reads the sheets of an .xls or .xlsx file; the format is told by the file's first bytes, so a
// file named .xls that really is .xlsx reads fine. Every failure raises SpreadsheetError.
class SpreadsheetFile
{
public:
    explicit SpreadsheetFile(const QString &path);
    ~SpreadsheetFile();
    SpreadsheetFile(const SpreadsheetFile &) = delete;
    SpreadsheetFile &operator=(const SpreadsheetFile &) = delete;

    // In the workbook's order.
    const QStringList &sheetNames() const { return m_sheetNames; }

    // The sheet of that name (letter case is ignored when no name matches exactly).
    SheetData sheet(const QString &name) const;

private:
    std::unique_ptr<WorkbookBackend> m_backend;
    QStringList m_sheetNames;
};
