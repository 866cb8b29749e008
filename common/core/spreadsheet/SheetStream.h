#pragma once

#include "core/spreadsheet/SheetData.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

// A whole workbook as the .xls helper process hands it over: sheet names and their cells.
struct WorkbookContent
{
    QStringList sheetNames;
    QList<SheetData> sheets;
};

QByteArray EncodeWorkbook(const WorkbookContent &content);
QByteArray EncodeWorkbookFailure(int reason, const QString &message);
// Raises SpreadsheetError: the failure the helper reported, or damaged for bytes that are no
// complete answer.
WorkbookContent DecodeWorkbook(const QByteArray &bytes);
