#include "core/db/AdoDataSetFunc.h"

#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/dataset/QuietControls.h"

bool PostDataSet(DataSet &dataSet)
{
    return !dataSet.isEditing() || dataSet.post();
}

void QueryItemPickList(DataSet &dataSet, QStringList &list)
{
    list.clear();
    dataSet.close();
    dataSet.open();
    DataField *first = dataSet.field(0);
    for (int row = 0; first && row < dataSet.recordCount(); ++row)
        list.append(dataSet.value(row, first).toString());
}

bool MasterTableEDit(DataSet &master, DataSet &detail)
{
    const Bookmark mark = detail.bookmark();
    const bool editing = master.edit();
    detail.gotoBookmark(mark);
    return editing;
}

void DeleteTable(DataSet &dataSet)
{
    if (dataSet.isEmpty())
        return;
    QuietControls quiet(dataSet);
    while (!dataSet.isEmpty()) {
        dataSet.first();
        dataSet.deleteRecord();
    }
}

void DeleteAdoQuery(DataSet &dataSet)
{
    DeleteTable(dataSet);
}

void DisVisablePrice(DataSet &dataSet, const QStringList &columns)
{
    for (const QString &column : columns) {
        DataField *field = dataSet.fieldByName(column);
        if (isNumericKind(field->kind()))
            field->setDisplayFormat(QStringLiteral("****"));
    }
}

qint64 AdoQueryGetMaxSeqNo(const DataSet &dataSet, int column)
{
    qint64 largest = 0;
    const DataField *field = dataSet.field(column);
    for (int row = 0; field && row < dataSet.recordCount(); ++row)
        largest = qMax(largest, dataSet.value(row, field).toLongLong());
    return largest;
}

QDateTime AdoQueryGetMaxDate(const DataSet &dataSet, const QString &column)
{
    QDateTime latest;
    const DataField *field = dataSet.fieldByName(column);
    for (int row = 0; row < dataSet.recordCount(); ++row) {
        const QVariant value = dataSet.value(row, field);
        const QDateTime moment = value.metaType().id() == QMetaType::QDate ? value.toDate().startOfDay() : value.toDateTime();
        if (moment.isValid() && (!latest.isValid() || moment > latest))
            latest = moment;
    }
    return latest;
}

void xRunQuery(DataSet &dataSet, const QString &sql, bool open, const QVariantList &params)
{
    dataSet.close();
    dataSet.setSql(sql, params);
    if (open)
        dataSet.open();
    else
        dataSet.execute();
}

bool UpdateQueryDtlValue(DataSet &dataSet, const QString &column, const QString &text)
{
    DataField *field = dataSet.fieldByName(column);
    for (dataSet.first(); !dataSet.eof(); dataSet.next()) {
        if (!dataSet.edit())
            return false;
        field->setValue(text);
        if (!dataSet.post())
            return false;
    }
    return true;
}
