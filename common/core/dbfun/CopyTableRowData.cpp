#include "core/dbfun/CopyTableRowData.h"

#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/db/AdoFunc.h"
#include "core/db/SqlName.h"
#include "core/dbfun/BillBookkeeping.h"

QString CopyTableRowData(DataSet &destination, const QString &table, const QString &keyColumn, qint64 rowId,
                         const QString &sourceRefNo, bool useGivenNumber, const QString &givenNumber)
{
    const bool wholeBill = !sourceRefNo.isEmpty();
    DataSet source;
    source.setConnection(destination.connection());
    if (wholeBill)
        source.setSql(QStringLiteral("select * from %1 where RefNo = ? order by %2").arg(SqlName(table), SqlName(keyColumn)),
                      {sourceRefNo});
    else
        source.setSql(QStringLiteral("select * from %1 where %2 = ?").arg(SqlName(table), SqlName(keyColumn)), {rowId});
    source.open();

    QString number;
    for (int row = 0; row < source.recordCount(); ++row) {
        if ((wholeBill || !destination.isEditing()) && !destination.append())
            break;
        for (const DataField *from : source.fields()) {
            DataField *to = destination.fieldByName(from->name());
            if (from->name().compare(QStringLiteral("RefNo"), Qt::CaseInsensitive) == 0) {
                number = useGivenNumber ? givenNumber : QString::number(GetBillSysNo(destination.connection()));
                to->setValue(number);
            } else if (from->name().compare(keyColumn, Qt::CaseInsensitive) != 0 && !to->isIdentity()) {
                to->setValue(source.value(row, from));
            }
        }
        SetNewBillState(destination);
        if (!wholeBill)
            break;
        if (!destination.post())
            break;
    }
    return number;
}
