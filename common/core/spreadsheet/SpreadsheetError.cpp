#include "core/spreadsheet/SpreadsheetError.h"

#include "core/spreadsheet/SheetData.h"

#include <QDir>

SpreadsheetError SpreadsheetError::unreadable(const QString &path)
{
    return {Reason::Unreadable, QStringLiteral("无法打开文件%1").arg(QDir::toNativeSeparators(path))};
}

SpreadsheetError SpreadsheetError::notSpreadsheet()
{
    return {Reason::NotSpreadsheet, QStringLiteral("文件不是有效的Excel文件")};
}

SpreadsheetError SpreadsheetError::damaged()
{
    return {Reason::Damaged, QStringLiteral("Excel文件已损坏，无法读取")};
}

SpreadsheetError SpreadsheetError::protectedFile()
{
    return {Reason::Protected, QStringLiteral("Excel文件设有密码，无法读取")};
}

SpreadsheetError SpreadsheetError::missingSheet(const QString &name)
{
    return {Reason::MissingSheet, QStringLiteral("找不到工作表%1").arg(name)};
}

SpreadsheetError SpreadsheetError::tooLarge()
{
    return {Reason::TooLarge, QStringLiteral("Excel文件过大，无法读取（最多%1行、%2列、%3个单元格）")
                                  .arg(SheetData::kMaxRows).arg(SheetData::kMaxColumns).arg(SheetData::kMaxCells)};
}

SpreadsheetError SpreadsheetError::formatFault()
{
    return {Reason::Damaged, QStringLiteral("文件格式错误")};
}
