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

    // The rows of that sheet handed to the consumer as they are read, so the sheet is never
    // held whole (an .xls is: its reader gives whole sheets). Rows handed over before a failure
    // are to be undone by the caller. Raises SheetRowOrderError for an .xlsx that stores its
    // rows out of order: such a sheet is only read whole, by sheet().
    void readRows(const QString &name, const SheetRowConsumer &consumer) const;

private:
    int indexOf(const QString &name) const;

    std::unique_ptr<WorkbookBackend> m_backend;
    QStringList m_sheetNames;
};
