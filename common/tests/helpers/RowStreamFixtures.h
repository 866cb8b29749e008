#pragma once

#include "ExternalTool.h"

// .xlsx files that test a reader which parses the sheet as it streams from the zip entry. Each
// writes the file at `path` and prints, one line per row that holds a value, what an exact
// reader must hand over: "row:column=text|column=text" (from 0, columns in order).

// openpyxl: `rows` rows of ten cells, texts of every length from 1 to 97 characters (Chinese,
// so UTF-8 sequences fall across every read boundary), numbers and dates: megabytes of XML.
ToolRun MakeLongVariedSheet(const QString &path, int rows);

// A sheet part written by hand (zipfile), shared strings with rich-text and phonetic runs, inline
// strings; `sheetXml` is the content of <sheetData>.
ToolRun MakeHandWrittenSheet(const QString &path, const QString &sheetXml);
