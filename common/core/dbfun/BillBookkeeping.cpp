#include "core/dbfun/BillBookkeeping.h"

#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"

#include <QStringList>

bool IsBillBookkeepingColumn(const QString &column)
{
    static const QStringList columns{QStringLiteral("id"),       QStringLiteral("NoteTypeName"), QStringLiteral("NoteName"),
                                     QStringLiteral("Refno"),    QStringLiteral("RefAutoid"),    QStringLiteral("printcount"),
                                     QStringLiteral("Flag"),     QStringLiteral("dis"),          QStringLiteral("sel")};
    return columns.contains(column.trimmed(), Qt::CaseInsensitive);
}

void SetNewBillState(DataSet &dataSet)
{
    const std::pair<const char *, int> states[] = {{"Flag", -1}, {"dis", 0}, {"printcount", 0}, {"RefAutoid", 0}};
    for (const auto &[column, value] : states) {
        if (DataField *field = dataSet.findField(QString::fromLatin1(column)))
            field->setValue(value);
    }
}
