#include "common/KeyFieldRules.h"

#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/db/AdoFunc.h"
#include "core/db/SqlName.h"

bool IsBlankField(const DataSet &row, const QString &field)
{
    return row.fieldByName(field)->asString().trimmed().isEmpty();
}

void TrimField(DataSet &row, const QString &field)
{
    DataField *target = row.fieldByName(field);
    const QString text = target->asString();
    if (!target->isNull() && text.trimmed() != text)
        target->setValue(text.trimmed());
}

bool IsTakenByOtherRow(const QSqlDatabase &db, const DataSet &row, const QString &table, const QString &column)
{
    const DataField *autoid = row.fieldByName(QStringLiteral("autoid"));
    const qint64 self = autoid->isNull() ? -1 : autoid->asInteger();
    return !SqlTableIsEmpty(db,
                            QStringLiteral("select 1 from %1 where %2 = ? collate nocase and autoid <> ?")
                                .arg(SqlName(table), SqlName(column)),
                            {row.fieldByName(column)->asString(), self});
}
