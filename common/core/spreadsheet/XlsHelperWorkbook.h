#pragma once

#include "core/spreadsheet/SheetStream.h"
#include "core/spreadsheet/WorkbookBackend.h"

// An .xls read by the helper program beside Corvane ("QuilletXls"), which runs the .xls
// library in a process of its own: a crafted file that crashes the library, or that would
// take all memory, is refused as "文件格式错误" and the program lives on.
class XlsHelperWorkbook : public WorkbookBackend
{
public:
    explicit XlsHelperWorkbook(const QString &path);

    QStringList sheetNames() const override { return m_content.sheetNames; }
    SheetData readSheet(int index) override { return m_content.sheets.value(index); }

    // The helper program's path (beside the library Corvane).
    static QString helperPath();

private:
    WorkbookContent m_content;
};
