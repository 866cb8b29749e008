#pragma once

#include "ExternalTool.h"

#include <QString>

// A zip with one entry "data.db" of `megabytes` zeros (it packs into a few hundred kilobytes).
ToolRun MakeZipBomb(const QString &path, int megabytes);
// An .xlsx with one sheet "S": `rows` text values, one per row from row `firstRow` on, in `column`.
ToolRun MakeFarCellSheet(const QString &path, int rows, const QString &column, int firstRow);
