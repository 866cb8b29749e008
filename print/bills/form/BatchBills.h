#pragma once

#include "bills/printing/BatchDetailRows.h"
#include "bills/printing/BillData.h"
#include "core/dataset/DataSet.h"

#include <QHash>
#include <QList>
#include <QSqlDatabase>
#include <QString>

#include <memory>
#include <vector>

// The bills of a batch print, read a block of ids at a time: the headers in one query and each
// grid's detail rows in one more, so a batch of any length holds one block in memory.
class BatchBills
{
public:
    struct Grid
    {
        QString table;
        int tag = 0;
    };

    // `formats` gives the header fields their display formats (the bill form's header).
    BatchBills(const QSqlDatabase &db, const QString &table, const QList<Grid> &grids, const DataSet &formats,
               const QList<qint64> &ids, int blockSize = 1000);

    // The bill at `index` of the ids, read with its block when that block is not in memory;
    // a bill that is gone has an empty header. Valid until the next call.
    BillData bill(qsizetype index);

private:
    void readBlock(qsizetype first);
    void takeFormats(DataSet &set) const;

    QSqlDatabase m_db;
    QString m_table;
    QList<Grid> m_grids;
    const DataSet &m_formats;
    QList<qint64> m_ids;
    int m_blockSize;

    qsizetype m_blockFirst = -1;
    DataSet m_none;
    std::unique_ptr<DataSet> m_bills;
    QHash<qint64, int> m_rowOfBill;
    std::vector<std::unique_ptr<DataSet>> m_detailSets;
    std::vector<BatchDetailRows> m_details;
};
