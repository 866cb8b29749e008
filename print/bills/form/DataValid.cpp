#include "bills/form/DataValid.h"

#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/printfun/NoteLookup.h"

QString ProcMasterDataValid(const QSqlDatabase &db, const DataSet &header)
{
    static const QStringList bankKinds{QStringLiteral("支票"), QStringLiteral("进账单"), QStringLiteral("托收凭证"),
                                       QStringLiteral("电汇单")};
    const DataField *noteName = header.findField(QStringLiteral("NoteName"));
    if (!noteName || !bankKinds.contains(NoteBaseType(db, noteName->asString()).trimmed()))
        return {};
    const DataField *amount = header.findField(QStringLiteral("金额"));
    if (amount && amount->asCurrency().isZero())
        return QStringLiteral("金额不能为空");
    return {};
}
