#include "core/import/BillSheetImport.h"

#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/dataset/RowInserter.h"
#include "core/db/AdoFunc.h"
#include "core/db/SqlName.h"
#include "core/db/Transaction.h"
#include "core/dbfun/BillBookkeeping.h"
#include "core/dbfun/BillFieldFill.h"
#include "core/errors/CorvaneError.h"
#include "core/import/SheetImportError.h"
#include "core/printfun/NoteLookup.h"
#include "core/spreadsheet/SheetRowOrderError.h"
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

QList<ImportColumn> readHeader(const SheetRow &header, const DataSet &bill, const QHash<QString, QString> &columnOfTitle,
                               const QStringList &keptColumns)
{
    QList<ImportColumn> columns;
    for (int column = 0; column < kMaxHeaderColumns; ++column) {
        const QString text = header.cell(column).toText().trimmed();
        if (text.isEmpty())
            break;
        DataField *field = bill.findField(text);
        if (!field && columnOfTitle.contains(text))
            field = bill.findField(columnOfTitle.value(text));
        if (field && (IsBillBookkeepingColumn(field->name()) || field->isIdentity() || field->isReadOnly()
                      || keptColumns.contains(field->name(), Qt::CaseInsensitive)))
            field = nullptr;
        columns.append({column, text, field});
    }
    if (std::none_of(columns.cbegin(), columns.cend(), [](const ImportColumn &column) { return column.field; }))
        throw SheetImportError(SheetImportError::Reason::NoKnownColumn,
                               QStringLiteral("文件第一行没有可以导入的列名，没有导入数据"));
    return columns;
}

bool rowIsEmpty(const SheetRow &row, const QList<ImportColumn> &columns)
{
    return std::all_of(columns.cbegin(), columns.cend(),
                       [&](const ImportColumn &column) { return row.cell(column.sheetColumn).toText().trimmed().isEmpty(); });
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

// One pass over the sheet's rows: the header first, then each row written as it comes, up to
// the first empty row, inside one transaction that only finish() commits.
class SheetRowsImport
{
public:
    SheetRowsImport(const QSqlDatabase &db, const QString &kind, const QString &table,
                    const QHash<QString, QString> &columnOfTitle, const QStringList &keptColumns)
        : m_db(db), m_kind(kind), m_table(table), m_columnOfTitle(columnOfTitle), m_keptColumns(keptColumns),
          m_transaction(db), m_fill(db, table)
    {
        m_bill.setConnection(db);
        m_bill.setSql(QStringLiteral("select * from %1 where 1=2").arg(SqlName(table)));
        m_bill.open();
        m_refNo = m_bill.findField(QStringLiteral("RefNo"));
        m_identity = identityField(m_bill);
        QObject::connect(&m_bill, &DataSet::fieldChanged, &m_bill, [this](DataField *field) { m_fill.fieldChanged(m_bill, field); });
    }

    void take(const SheetRow &row)
    {
        if (!m_headerRead)
            readHeaderRow(row.index() == 0 ? row : SheetRow());
        if (m_ended || row.index() == 0)
            return;
        // A row left out of the file is an empty row.
        if (row.index() != m_result.rows + 1 || rowIsEmpty(row, m_columns)) {
            m_ended = true;
            return;
        }
        write(row);
    }

    BillSheetImport finish()
    {
        if (!m_headerRead)
            readHeaderRow(SheetRow());
        if (m_refNo && m_result.rows > 1 && GetBillSysNoBlock(m_db, m_result.rows - 1) != m_firstRefNo + 1)
            throw DatabaseError(QStringLiteral("导入时系统编号被改动，导入已撤销"));
        m_transaction.commit();
        return m_result;
    }

private:
    void readHeaderRow(const SheetRow &header)
    {
        m_headerRead = true;
        m_columns = readHeader(header, m_bill, m_columnOfTitle, m_keptColumns);
        if (!m_kind.isEmpty())
            m_result.firstNumber = m_refNo ? nextNumber(m_db, m_table, m_refNo->name(), true) : 0;
        else
            m_result.firstNumber = m_identity ? nextNumber(m_db, m_table, m_identity->name(), false) : 0;
        if (!m_kind.isEmpty()) {
            m_noteName = GetDefaultNoteName(m_db, m_kind);
            m_category = NoteTypeName(m_db, m_noteName);
            if (m_category.isEmpty())
                throw SheetImportError(SheetImportError::Reason::NoDefaultFormat, QStringLiteral("应先设置默认单据"));
        }
    }

    void write(const SheetRow &row)
    {
        // The first row's number takes the counter's write lock, so the rows after it can be
        // numbered on and the counter moved past them all in one step at the end.
        if (m_refNo && m_result.rows == 0)
            m_firstRefNo = GetBillSysNoBlock(m_db, 1);
        const ImportColumn *current = nullptr;
        qint64 rowId = 0;
        try {
            m_bill.append();
            if (m_refNo) {
                const qint64 number = m_firstRefNo + m_result.rows;
                m_refNo->setValue(QString::number(number));
                if (m_result.rows == 0 && !m_kind.isEmpty())
                    m_result.firstNumber = number;
            }
            if (!m_kind.isEmpty()) {
                m_bill.fieldByName(QStringLiteral("NoteTypeName"))->setValue(m_category);
                m_bill.fieldByName(QStringLiteral("NoteName"))->setValue(m_noteName);
            }
            SetNewBillState(m_bill);
            for (const ImportColumn &column : m_columns) {
                const SheetCell &cell = row.cell(column.sheetColumn);
                if (!column.field || cell.isEmpty())
                    continue;
                current = &column;
                column.field->setValue(cellInput(cell, column.field->kind()));
            }
            current = nullptr;
            rowId = m_inserter.insertCurrentRow();
            m_bill.cancel(); // the row is in the table; nothing is kept in memory
        } catch (const CorvaneError &error) {
            const QString where = current ? QStringLiteral("第%1行“%2”列").arg(row.index() + 1).arg(current->header)
                                          : QStringLiteral("第%1行").arg(row.index() + 1);
            throw SheetImportError(SheetImportError::Reason::BadRow,
                                   QStringLiteral("%1数据有误，导入已全部撤销：%2").arg(where, error.message()));
        }
        if (m_result.rows == 0 && m_kind.isEmpty() && m_identity)
            m_result.firstNumber = rowId;
        ++m_result.rows;
    }

    const QSqlDatabase &m_db;
    const QString &m_kind;
    const QString &m_table;
    const QHash<QString, QString> &m_columnOfTitle;
    const QStringList &m_keptColumns;
    Transaction m_transaction;
    DataSet m_bill;
    const BillFieldFill m_fill;
    RowInserter m_inserter{m_bill};
    DataField *m_refNo = nullptr;
    DataField *m_identity = nullptr;
    QList<ImportColumn> m_columns;
    QString m_noteName;
    QString m_category;
    bool m_headerRead = false;
    bool m_ended = false;
    qint64 m_firstRefNo = 0;
    BillSheetImport m_result;
};

} // namespace

BillSheetImport ImportBillSheet(const QSqlDatabase &db, const QString &kind, const QString &table, const QString &path,
                                const QHash<QString, QString> &columnOfTitle, const QStringList &keptColumns)
{
    const SpreadsheetFile file(path);
    if (file.sheetNames().isEmpty())
        throw SpreadsheetError::damaged();
    if (!kind.isEmpty() && file.sheetNames().first() != kind)
        throw SheetImportError(SheetImportError::Reason::WrongKind, QStringLiteral("当前导入的单据类型不正确"));
    const QString sheet = file.sheetNames().first();
    try {
        SheetRowsImport import(db, kind, table, columnOfTitle, keptColumns);
        file.readRows(sheet, [&import](const SheetRow &row) { import.take(row); });
        return import.finish();
    } catch (const SheetRowOrderError &) {
        // Rows stored out of order cannot be taken as they come: what was written is rolled
        // back, and the sheet is read whole and taken again in row order.
    }
    SheetRowsImport import(db, kind, table, columnOfTitle, keptColumns);
    file.sheet(sheet).forEachRow([&import](const SheetRow &row) { import.take(row); });
    return import.finish();
}
