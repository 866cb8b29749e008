#pragma once

#include "bills/printing/BillData.h"

#include <QHash>
#include <QString>

class DataSet;

// The detail rows of a whole batch read as one set, handed out per bill by its RefNo.
class BatchDetailRows
{
public:
    // `rows` is fully read and holds each bill's rows together; it must outlive this.
    explicit BatchDetailRows(const DataSet &rows);

    // The bill's rows; none for a RefNo without rows.
    DetailRows of(const QString &refNo) const;

private:
    const DataSet &m_rows;
    QHash<QString, std::pair<int, int>> m_ranges;  // RefNo: first row, count
};
