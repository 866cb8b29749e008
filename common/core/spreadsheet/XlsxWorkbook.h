#pragma once

#include "core/spreadsheet/WorkbookBackend.h"
#include "core/spreadsheet/XlsxPackage.h"
#include "core/spreadsheet/XlsxSheetReader.h"

// An .xlsx (Office Open XML) workbook: the workbook part is found through the package's
// relationships, its sheets in their order, shared strings and styles read once when the
// first sheet is read.
class XlsxWorkbook : public WorkbookBackend
{
public:
    explicit XlsxWorkbook(const QString &path);

    QStringList sheetNames() const override { return m_sheetNames; }
    SheetData readSheet(int index) override;
    // Row by row from the zip entry; raises SheetRowOrderError for a sheet that stores its rows
    // out of order.
    void readRows(int index, const SheetRowConsumer &consumer) override;

private:
    void readWorkbookPart();
    void readSharedParts();
    std::unique_ptr<QIODevice> openSheetPart(int index);

    XlsxPackage m_package;
    QString m_workbookPart;
    QStringList m_sheetNames;
    QStringList m_sheetParts;
    QString m_sharedStringsPart;
    QString m_stylesPart;
    XlsxWorkbookContext m_context;
    bool m_sharedPartsRead = false;
};
