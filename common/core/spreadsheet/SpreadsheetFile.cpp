#include "core/spreadsheet/SpreadsheetFile.h"

#include "core/spreadsheet/SpreadsheetError.h"
#include "core/spreadsheet/SpreadsheetFormat.h"
#include "core/spreadsheet/XlsHelperWorkbook.h"
#include "core/spreadsheet/XlsxWorkbook.h"

SpreadsheetFile::SpreadsheetFile(const QString &path)
{
    switch (DetectSpreadsheetFormat(path)) {
    case SpreadsheetFormat::Xls:
        m_backend = std::make_unique<XlsHelperWorkbook>(path);
        break;
    case SpreadsheetFormat::Xlsx:
        m_backend = std::make_unique<XlsxWorkbook>(path);
        break;
    case SpreadsheetFormat::Unknown:
        throw SpreadsheetError::notSpreadsheet();
    }
    m_sheetNames = m_backend->sheetNames();
}

SpreadsheetFile::~SpreadsheetFile() = default;

int SpreadsheetFile::indexOf(const QString &name) const
{
    int index = int(m_sheetNames.indexOf(name));
    if (index < 0) {
        for (int i = 0; i < m_sheetNames.size() && index < 0; ++i) {
            if (m_sheetNames[i].compare(name, Qt::CaseInsensitive) == 0)
                index = i;
        }
    }
    if (index < 0)
        throw SpreadsheetError::missingSheet(name);
    return index;
}

SheetData SpreadsheetFile::sheet(const QString &name) const
{
    return m_backend->readSheet(indexOf(name));
}

void SpreadsheetFile::readRows(const QString &name, const SheetRowConsumer &consumer) const
{
    m_backend->readRows(indexOf(name), consumer);
}
