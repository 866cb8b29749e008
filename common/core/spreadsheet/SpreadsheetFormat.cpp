#include "core/spreadsheet/SpreadsheetFormat.h"

#include "core/spreadsheet/SpreadsheetError.h"

#include <QFile>

SpreadsheetFormat DetectSpreadsheetFormat(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw SpreadsheetError::unreadable(path);
    const QByteArray head = file.read(8);
    if (head == QByteArray::fromHex("D0CF11E0A1B11AE1"))
        return SpreadsheetFormat::Xls;
    if (head.startsWith(QByteArray("PK\x03\x04", 4)))
        return SpreadsheetFormat::Xlsx;
    return SpreadsheetFormat::Unknown;
}
