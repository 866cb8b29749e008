#include "core/import/BillSheetImport.h"

#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/dataset/RowInserter.h"
#include "core/db/AdoFunc.h"
#include "core/db/SqlName.h"
#include "core/db/Transaction.h"
#include "core/dbfun/BillBookkeeping.h"
#include "core/dbfun/BillFieldFill.h"
#include "core/import/SheetImportError.h"
#include "core/printfun/NoteLookup.h"
#include "core/spreadsheet/SpreadsheetError.h"
#include "core/spreadsheet/SpreadsheetFile.h"

#include <algorithm>

namespace {

constexpr int kMaxHeaderColumns = 100;

struct ImportColumn
{
    int sheetColumn = 0;
    QString header;
    DataField *field = nullptr; // nullptr: not imported
};

QList<ImportColumn> readHeader(const SheetData &sheet, const DataSet &bill, const QHash<QString, QString> &columnOfTitle)
{
    QList<ImportColumn> columns;
    for (int column = 0; column < kMaxHeaderColumns; ++column) {
        const QString header = sheet.cell(0, column).toText().trimmed();
        if (header.isEmpty())
            break;
        DataField *field = bill.findField(header);
        if (!field && columnOfTitle.contains(header))
            field = bill.findField(columnOfTitle.value(header));
        if (field && (IsBillBookkeepingColumn(field->name()) || field->isIdentity() || field->isReadOnly()))
            field = nullptr;
        columns.append({column, header, field});
    }
    if (std::none_of(columns.cbegin(), columns.cend(), [](const ImportColumn &column) { return column.field; }))
        throw SheetImportError(SheetImportError::Reason::NoKnownColumn,
                               QStringLiteral("文件第一行没有可以导入的列名，没有导入数据"));
    return columns;
}

bool rowIsEmpty(const SheetData &sheet, int row, const QList<ImportColumn> &columns)
{
    return std::all_of(columns.cbegin(), columns.cend(),
                       [&](const ImportColumn &column) { return sheet.cell(row, column.sheetColumn).toText().trimmed().isEmpty(); });
}

// Dates stay dates and yes/no stays yes/no where the column takes them; everything else goes
// as the cell's text (numbers by their exact figures), which the field converts.
QVariant cellInput(const SheetCell &cell, FieldKind kind)
{
    const bool dateColumn = kind == FieldKind::Date || kind == FieldKind::DateTime;
    switch (cell.kind()) {
    case SheetCell::Kind::Date:
        if (dateColumn)
            return cell.dateValue();
        break;
    case SheetCell::Kind::DateTime:
        if (dateColumn)
            return cell.dateTimeValue();
        break;
    case SheetCell::Kind::Boolean:
        if (kind == FieldKind::Boolean)
            return cell.booleanValue();
        break;
    default:
        break;
    }
    return cell.toText();
}

DataField *identityField(const DataSet &bill)
{
    for (DataField *field : bill.fields()) {
        if (field->isIdentity())
            return field;
    }
    return nullptr;
}

qint64 nextNumber(const QSqlDatabase &db, const QString &table, const QString &column, bool numericText)
{
    const QString value = numericText ? QStringLiteral("CAST(%1 AS INTEGER)").arg(SqlName(column)) : SqlName(column);
    return SelTableIntValue(db, QStringLiteral("select Max(%1) from %2").arg(value, SqlName(table))) + 1;
}

} // namespace

BillSheetImport ImportBillSheet(const QSqlDatabase &db, const QString &kind, const QString &table, const QString &path,
                                const QHash<QString, QString> &columnOfTitle)
{
    DataSet bill;
    bill.setConnection(db);
    bill.setSql(QStringLiteral("select * from %1 where 1=2").arg(SqlName(table)));
    bill.open();

    const SpreadsheetFile file(path);
    if (file.sheetNames().isEmpty())
        throw SpreadsheetError::damaged();
    if (!kind.isEmpty() && file.sheetNames().first() != kind)
        throw SheetImportError(SheetImportError::Reason::WrongKind, QStringLiteral("当前导入的单据类型不正确"));
    const SheetData sheet = file.sheet(file.sheetNames().first());
    const QList<ImportColumn> columns = readHeader(sheet, bill, columnOfTitle);

    DataField *refNo = bill.findField(QStringLiteral("RefNo"));
    DataField *identity = identityField(bill);
    BillSheetImport result;
    if (!kind.isEmpty())
        result.firstNumber = refNo ? nextNumber(db, table, refNo->name(), true) : 0;
    else
        result.firstNumber = identity ? nextNumber(db, table, identity->name(), false) : 0;

    QString noteName;
    QString category;
    if (!kind.isEmpty()) {
        noteName = GetDefaultNoteName(db, kind);
        category = NoteTypeName(db, noteName);
        if (category.isEmpty())
            throw SheetImportError(SheetImportError::Reason::NoDefaultFormat, QStringLiteral("应先设置默认单据"));
    }

    const BillFieldFill fill(db, table);
    QObject::connect(&bill, &DataSet::fieldChanged, &bill, [&](DataField *field) { fill.fieldChanged(bill, field); });

    int lastRow = 1;
    while (lastRow < sheet.rowCount() && !columns.isEmpty() && !rowIsEmpty(sheet, lastRow, columns))
        ++lastRow;

    Transaction transaction(db);
    // Every row's number in one step of the counter, every row through one prepared insert.
    const qint64 firstRefNo = refNo && lastRow > 1 ? GetBillSysNoBlock(db, lastRow - 1) : 0;
    RowInserter inserter(bill);
    for (int row = 1; row < lastRow; ++row) {
        const ImportColumn *current = nullptr;
        qint64 rowId = 0;
        try {
            bill.append();
            if (refNo) {
                const qint64 number = firstRefNo + row - 1;
                refNo->setValue(QString::number(number));
                if (result.rows == 0 && !kind.isEmpty())
                    result.firstNumber = number;
            }
            if (!kind.isEmpty()) {
                bill.fieldByName(QStringLiteral("NoteTypeName"))->setValue(category);
                bill.fieldByName(QStringLiteral("NoteName"))->setValue(noteName);
            }
            SetNewBillState(bill);
            for (const ImportColumn &column : columns) {
                const SheetCell &cell = sheet.cell(row, column.sheetColumn);
                if (!column.field || cell.isEmpty())
                    continue;
                current = &column;
                column.field->setValue(cellInput(cell, column.field->kind()));
            }
            current = nullptr;
            rowId = inserter.insertCurrentRow();
            bill.cancel();  // the row is in the table; nothing is kept in memory
        } catch (const CorvaneError &error) {
            const QString where = current ? QStringLiteral("第%1行“%2”列").arg(row + 1).arg(current->header)
                                          : QStringLiteral("第%1行").arg(row + 1);
            throw SheetImportError(SheetImportError::Reason::BadRow,
                                   QStringLiteral("%1数据有误，导入已全部撤销：%2").arg(where, error.message()));
        }
        if (result.rows == 0 && kind.isEmpty() && identity)
            result.firstNumber = rowId;
        ++result.rows;
    }
    transaction.commit();
    return result;
}
