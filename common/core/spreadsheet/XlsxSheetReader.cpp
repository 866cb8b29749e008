#include "core/spreadsheet/XlsxSheetReader.h"

#include "core/spreadsheet/SheetRowAssembler.h"
#include "core/spreadsheet/SpreadsheetError.h"
#include "core/spreadsheet/XlsxXml.h"

namespace {
constexpr int maxRows = 1048576;
constexpr int maxColumns = 16384;

struct CellPosition
{
    int row = -1;
    int column = -1;
};

// "B3" -> row 2, column 1; nothing for a malformed reference.
bool parseReference(QStringView reference, CellPosition &position)
{
    qsizetype i = 0;
    int column = 0;
    while (i < reference.size() && reference[i].isLetter() && reference[i].unicode() < 128 && column <= maxColumns)
        column = column * 26 + (reference[i++].toUpper().unicode() - 'A' + 1);
    bool ok = false;
    const int row = reference.mid(i).toInt(&ok);
    if (i == 0 || !ok || row < 1 || row > maxRows || column > maxColumns)
        return false;
    position = {row - 1, column - 1};
    return true;
}

struct RawCell
{
    QString type;
    int style = 0;
    QString value;  // <v>
    QString inlineText; // <is>
    bool hasValue = false;
};

RawCell readCell(QXmlStreamReader &xml)
{
    RawCell raw;
    raw.type = xml.attributes().value(QLatin1String("t")).toString();
    raw.style = xml.attributes().value(QLatin1String("s")).toInt();
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("v")) {
            raw.value = xml.readElementText();
            raw.hasValue = true;
        } else if (xml.name() == QLatin1String("is")) {
            raw.inlineText = ReadStringItem(xml);
            raw.hasValue = true;
        } else {
            xml.skipCurrentElement(); // the formula itself, extensions
        }
    }
    return raw;
}

SheetCell numberCell(const RawCell &raw, const XlsxWorkbookContext &workbook)
{
    bool ok = false;
    const double value = raw.value.trimmed().toDouble(&ok);
    if (!ok)
        throw SpreadsheetError::damaged();
    const SheetCell::Kind kind = workbook.styles.kindOfStyle(raw.style);
    if (kind != SheetCell::Kind::Number) {
        if (const std::optional<SheetCell> date = CellFromSerial(value, kind, workbook.dateSystem))
            return *date;
    }
    return SheetCell::number(value);
}

SheetCell isoDateCell(const QString &text)
{
    const QDateTime dateTime = QDateTime::fromString(text, Qt::ISODateWithMs);
    if (dateTime.isValid())
        return text.contains(QLatin1Char('T')) ? SheetCell::dateTime(dateTime) : SheetCell::date(dateTime.date());
    const QDate date = QDate::fromString(text, Qt::ISODate);
    if (!date.isValid())
        throw SpreadsheetError::damaged();
    return SheetCell::date(date);
}

SheetCell cellOf(const RawCell &raw, const XlsxWorkbookContext &workbook)
{
    if (!raw.hasValue)
        return {};
    if (raw.type == QLatin1String("s")) {
        bool ok = false;
        const int index = raw.value.trimmed().toInt(&ok);
        if (!ok || index < 0 || index >= workbook.sharedStrings.size())
            throw SpreadsheetError::damaged();
        return SheetCell::text(workbook.sharedStrings[index]);
    }
    if (raw.type == QLatin1String("inlineStr"))
        return SheetCell::text(raw.inlineText);
    if (raw.type == QLatin1String("str"))
        return SheetCell::text(DecodeXmlEscapes(raw.value));
    if (raw.type == QLatin1String("b"))
        return SheetCell::boolean(raw.value.trimmed() == QLatin1String("1") || raw.value.trimmed() == QLatin1String("true"));
    if (raw.type == QLatin1String("e"))
        return SheetCell::error(raw.value);
    if (raw.type == QLatin1String("d"))
        return isoDateCell(raw.value.trimmed());
    if (raw.value.isEmpty())
        return {};
    return numberCell(raw, workbook);
}

// Walks the part's rows and cells in the file's order: sink.rowBegins(row) at each row,
// sink.addCell(row, column, cell) at each cell, then checks the part was whole.
template <typename Sink>
void walkSheet(QIODevice *sheetPart, const XlsxWorkbookContext &workbook, Sink &sink)
{
    QXmlStreamReader xml(sheetPart);
    CellPosition next{0, 0};
    int row = -1;
    while (NextElement(xml)) {
        if (xml.name() == QLatin1String("row")) {
            const QStringView number = xml.attributes().value(QLatin1String("r"));
            bool ok = true;
            row = number.isEmpty() ? row + 1 : number.toInt(&ok) - 1;
            if (!ok || row < 0 || row >= maxRows)
                throw SpreadsheetError::damaged();
            next = {row, 0};
            sink.rowBegins(row);
        } else if (xml.name() == QLatin1String("c")) {
            CellPosition at = next;
            const QStringView reference = xml.attributes().value(QLatin1String("r"));
            if (!reference.isEmpty() && !parseReference(reference, at))
                throw SpreadsheetError::damaged();
            if (at.row < 0 || at.column >= maxColumns)
                throw SpreadsheetError::damaged();
            sink.addCell(at.row, at.column, cellOf(readCell(xml), workbook));
            next = {at.row, at.column + 1};
        }
    }
    RequireWellFormed(xml);
}

struct WholeSheet
{
    SheetData sheet;
    void rowBegins(int) {}
    void addCell(int row, int column, SheetCell &&cell) { sheet.setCell(row, column, cell); }
};
} // namespace

SheetData ReadXlsxSheet(QIODevice *sheetPart, const XlsxWorkbookContext &workbook)
{
    WholeSheet whole;
    walkSheet(sheetPart, workbook, whole);
    return std::move(whole.sheet);
}

void ReadXlsxSheetRows(QIODevice *sheetPart, const XlsxWorkbookContext &workbook, const SheetRowConsumer &consumer)
{
    SheetRowAssembler rows(consumer);
    walkSheet(sheetPart, workbook, rows);
    rows.finish();
}
