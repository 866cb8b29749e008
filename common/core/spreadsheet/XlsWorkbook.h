#pragma once

#include "core/spreadsheet/WorkbookBackend.h"

// An .xls (BIFF in an OLE2 compound file) read through libfreexl. The library reports
// booleans as the numbers 1 and 0 and formula errors as empty cells.
class XlsWorkbook : public WorkbookBackend
{
public:
    explicit XlsWorkbook(const QString &path);
    ~XlsWorkbook() override;

    QStringList sheetNames() const override { return m_sheetNames; }
    SheetData readSheet(int index) override;

private:
    const void *m_handle = nullptr;
    QStringList m_sheetNames;
};
