#include "bills/form/BatchBills.h"

#include "bills/form/BillFormData.h"
#include "core/dataset/DataField.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace {

QString jsonText(const QJsonArray &values)
{
    return QString::fromUtf8(QJsonDocument(values).toJson(QJsonDocument::Compact));
}

} // namespace

BatchBills::BatchBills(const QSqlDatabase &db, const QString &table, const QList<Grid> &grids, const DataSet &formats,
                       const QList<qint64> &ids, int blockSize)
    : m_db(db), m_table(table), m_grids(grids), m_formats(formats), m_ids(ids), m_blockSize(std::max(1, blockSize))
{
    m_none.setConnection(m_db);
    m_none.setSql(BillFormData::noBillStatement(m_table));
    m_none.open();
    takeFormats(m_none);
}

void BatchBills::takeFormats(DataSet &set) const
{
    for (const DataField *field : m_formats.fields())
        if (DataField *same = set.findField(field->name()))
            same->setDisplayFormat(field->displayFormat());
}

void BatchBills::readBlock(qsizetype first)
{
    m_blockFirst = first;
    QJsonArray ids;
    for (qsizetype i = first; i < std::min(m_ids.size(), first + m_blockSize); ++i)
        ids.append(m_ids.at(i));
    m_details.clear();
    m_detailSets.clear();
    m_bills = std::make_unique<DataSet>();
    m_bills->setConnection(m_db);
    m_bills->setSql(BillFormData::batchBillsStatement(m_table), {jsonText(ids)});
    m_bills->open();
    m_bills->fetchAll();
    takeFormats(*m_bills);

    const DataField *id = m_bills->findField(QStringLiteral("id"));
    const DataField *refNo = m_bills->findField(QStringLiteral("RefNo"));
    m_rowOfBill.clear();
    QJsonArray refNos;
    for (int row = 0; row < m_bills->recordCount(); ++row) {
        m_rowOfBill.insert(m_bills->value(row, id).toLongLong(), row);
        if (refNo)
            refNos.append(m_bills->value(row, refNo).toString());
    }
    for (const Grid &grid : std::as_const(m_grids)) {
        auto &rows = m_detailSets.emplace_back(std::make_unique<DataSet>());
        rows->setConnection(m_db);
        rows->setTag(grid.tag);
        rows->setSql(BillFormData::batchDetailRowsStatement(grid.table), {jsonText(refNos)});
        rows->open();
        rows->fetchAll();
        m_details.emplace_back(*rows);
    }
}

BillData BatchBills::bill(qsizetype index)
{
    if (m_blockFirst < 0 || index < m_blockFirst || index >= m_blockFirst + m_blockSize)
        readBlock(index - index % m_blockSize);
    BillData bill;
    const auto row = m_rowOfBill.constFind(m_ids.at(index));
    if (row == m_rowOfBill.cend()) {
        bill.header = &m_none;
        return bill;
    }
    bill.header = m_bills.get();
    bill.headerRow = *row;
    const DataField *refNo = m_bills->findField(QStringLiteral("RefNo"));
    const QString key = refNo ? m_bills->value(*row, refNo).toString() : QString();
    for (const BatchDetailRows &rows : m_details)
        bill.details.append(rows.of(key));
    return bill;
}
