#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

// What the bill form reads and writes besides its data sets: the bills of a format's data
// table, the lists its controls offer and the definitions they follow. Table names come from
// the format and are quoted; every value is bound.
class BillFormData
{
public:
    explicit BillFormData(QSqlDatabase db) : m_db(std::move(db)) {}

    // Statements of the form's data sets on the data table `table`.
    static QString noBillStatement(const QString &table);      // no row: a new bill's header
    static QString billStatement(const QString &table);        // one bill; parameter: id
    static QString savedBillsStatement(const QString &table);  // the kind's bills; parameter: kind
    static QString detailRowsStatement(const QString &table);  // a detail table; parameter: RefNo
    // Several bills in one query; parameter: their ids as a JSON array ("[3,1,2]").
    static QString batchBillsStatement(const QString &table);
    // The detail rows of several bills, each bill's rows together in the order a bill's own
    // statement gives them; parameter: their RefNos as a JSON array.
    static QString batchDetailRowsStatement(const QString &table);

    // The newest bill of the format; 0 when it has none.
    qint64 newestBillId(const QString &table, const QString &noteName) const;
    // Deletes the bill with its detail rows in one transaction.
    void deleteBill(const QString &table, const QString &refNo, qint64 id) const;
    void voidBill(const QString &table, qint64 id) const;

    // The values of a drop-down list (p_BaseCode); none when the table is missing.
    QStringList baseCodes(const QString &listName) const;
    // Whether the table takes the amount `amountField` in figures (its capitals are shown).
    bool amountInFigures(const QString &table, const QString &amountField) const;
    // The items text of a check field of the table's definition.
    QString checkItems(const QString &table, const QString &field) const;
    // The number of the picker of that name; 0 when there is none.
    int pickerNumber(const QString &pickName) const;
    // Whether the product code is in the goods list.
    bool isProductCode(const QString &code) const;

private:
    QSqlDatabase m_db;
};
