#include "core/spreadsheet/SheetStream.h"

#include "core/spreadsheet/SpreadsheetError.h"

#include <QDataStream>
#include <QIODevice>

namespace {

constexpr quint32 kMagic = 0x51584c53;

void writeCell(QDataStream &out, int row, int column, const SheetCell &cell)
{
    out << qint32(row) << qint32(column) << qint32(cell.kind()) << cell.numberValue() << cell.textValue()
        << cell.dateTimeValue();
}

SheetCell readCell(QDataStream &in, int &row, int &column)
{
    qint32 r = 0, c = 0, kind = 0;
    double number = 0;
    QString text;
    QDateTime moment;
    in >> r >> c >> kind >> number >> text >> moment;
    row = r;
    column = c;
    switch (SheetCell::Kind(kind)) {
    case SheetCell::Kind::Text:
        return SheetCell::text(text);
    case SheetCell::Kind::Number:
        return SheetCell::number(number);
    case SheetCell::Kind::Boolean:
        return SheetCell::boolean(number != 0);
    case SheetCell::Kind::Date:
        return SheetCell::date(moment.date());
    case SheetCell::Kind::DateTime:
        return SheetCell::dateTime(moment);
    case SheetCell::Kind::Time:
        return SheetCell::time(moment.time());
    case SheetCell::Kind::Error:
        return SheetCell::error(text);
    default:
        return {};
    }
}

} // namespace

QByteArray EncodeWorkbook(const WorkbookContent &content)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << kMagic << qint32(0) << content.sheetNames;
    for (const SheetData &sheet : content.sheets) {
        out << qint32(sheet.valueCount());
        sheet.forEachCell([&out](int row, int column, const SheetCell &cell) { writeCell(out, row, column, cell); });
    }
    return bytes;
}

QByteArray EncodeWorkbookFailure(int reason, const QString &message)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << kMagic << qint32(reason + 1) << message;
    return bytes;
}

WorkbookContent DecodeWorkbook(const QByteArray &bytes)
{
    QDataStream in(bytes);
    quint32 magic = 0;
    qint32 status = 0;
    in >> magic >> status;
    if (magic != kMagic || in.status() != QDataStream::Ok)
        throw SpreadsheetError::formatFault();
    if (status != 0) {
        QString message;
        in >> message;
        throw SpreadsheetError(SpreadsheetError::Reason(status - 1), message);
    }
    WorkbookContent content;
    in >> content.sheetNames;
    for (qsizetype i = 0; i < content.sheetNames.size() && in.status() == QDataStream::Ok; ++i) {
        qint32 cells = 0;
        in >> cells;
        SheetData sheet;
        for (qint32 n = 0; n < cells && in.status() == QDataStream::Ok; ++n) {
            int row = 0, column = 0;
            const SheetCell cell = readCell(in, row, column);
            sheet.setCell(row, column, cell);
        }
        content.sheets.append(sheet);
    }
    if (in.status() != QDataStream::Ok || content.sheets.size() != content.sheetNames.size())
        throw SpreadsheetError::formatFault();
    return content;
}
