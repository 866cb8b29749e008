#include "bills/printing/BatchDetailRows.h"

#include "core/dataset/DataSet.h"

BatchDetailRows::BatchDetailRows(const DataSet &rows) : m_rows(rows)
{
    const DataField *refNo = rows.findField(QStringLiteral("Refno"));
    if (!refNo)
        return;
    for (int row = 0; row < rows.recordCount(); ++row) {
        const QString key = rows.value(row, refNo).toString();
        auto range = m_ranges.find(key);
        if (range == m_ranges.end())
            range = m_ranges.insert(key, {row, 0});
        ++range->second;
    }
}

DetailRows BatchDetailRows::of(const QString &refNo) const
{
    const auto range = m_ranges.constFind(refNo);
    if (range == m_ranges.cend())
        return {&m_rows, 0, 0};
    return {&m_rows, range->first, range->second};
}
