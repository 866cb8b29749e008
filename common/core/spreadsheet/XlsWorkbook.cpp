#include "core/spreadsheet/XlsWorkbook.h"

#include "core/spreadsheet/SpreadsheetError.h"

#include <QFile>

#include <freexl.h>

namespace {
SpreadsheetError errorOfOpen(int code, const QString &path)
{
    switch (code) {
    case FREEXL_FILE_NOT_FOUND:
        return SpreadsheetError::unreadable(path);
    case FREEXL_BIFF_WORKBOOK_NOT_FOUND:
        return SpreadsheetError::notSpreadsheet(); // a compound file of another program
    default:
        return SpreadsheetError::damaged();
    }
}

SheetCell cellOf(const FreeXL_CellValue &value)
{
    const auto text = [&value] { return QString::fromUtf8(value.value.text_value); };
    switch (value.type) {
    case FREEXL_CELL_INT:
        return SheetCell::number(value.value.int_value);
    case FREEXL_CELL_DOUBLE:
        return SheetCell::number(value.value.double_value);
    case FREEXL_CELL_TEXT:
    case FREEXL_CELL_SST_TEXT:
        return SheetCell::text(text());
    case FREEXL_CELL_DATE:
        return SheetCell::date(QDate::fromString(text(), Qt::ISODate));
    case FREEXL_CELL_DATETIME:
        return SheetCell::dateTime(QDateTime::fromString(text(), QStringLiteral("yyyy-MM-dd hh:mm:ss")));
    case FREEXL_CELL_TIME:
        return SheetCell::time(QTime::fromString(text(), QStringLiteral("hh:mm:ss")));
    default:
        return {};
    }
}
} // namespace

XlsWorkbook::XlsWorkbook(const QString &path)
{
    const int opened = freexl_open(QFile::encodeName(path).constData(), &m_handle);
    if (opened != FREEXL_OK)
        throw errorOfOpen(opened, path); // a failed open hands back no handle to close
    unsigned int value = 0;
    if (freexl_get_info(m_handle, FREEXL_BIFF_PASSWORD, &value) == FREEXL_OK && value == FREEXL_BIFF_OBFUSCATED) {
        freexl_close(m_handle);
        throw SpreadsheetError::protectedFile();
    }
    unsigned int count = 0;
    if (freexl_get_info(m_handle, FREEXL_BIFF_SHEET_COUNT, &count) != FREEXL_OK) {
        freexl_close(m_handle);
        throw SpreadsheetError::damaged();
    }
    for (unsigned int i = 0; i < count; ++i) {
        const char *name = nullptr;
        if (freexl_get_worksheet_name(m_handle, static_cast<unsigned short>(i), &name) != FREEXL_OK) {
            freexl_close(m_handle);
            throw SpreadsheetError::damaged();
        }
        m_sheetNames << QString::fromUtf8(name);
    }
}

XlsWorkbook::~XlsWorkbook()
{
    freexl_close(m_handle);
}

SheetData XlsWorkbook::readSheet(int index)
{
    unsigned int rows = 0;
    unsigned short columns = 0;
    if (freexl_select_active_worksheet(m_handle, static_cast<unsigned short>(index)) != FREEXL_OK
        || freexl_worksheet_dimensions(m_handle, &rows, &columns) != FREEXL_OK)
        throw SpreadsheetError::damaged();
    SheetData sheet;
    for (unsigned int row = 0; row < rows; ++row) {
        for (unsigned short column = 0; column < columns; ++column) {
            FreeXL_CellValue value;
            if (freexl_get_cell_value(m_handle, row, column, &value) != FREEXL_OK)
                throw SpreadsheetError::damaged();
            sheet.setCell(int(row), column, cellOf(value));
        }
    }
    return sheet;
}
