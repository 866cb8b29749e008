#include "core/definitions/UiTabNumbers.h"

#include "core/db/AdoFunc.h"

qint64 NewUiTabNo(const QSqlDatabase &db)
{
    return SelTableIntValue(db, QStringLiteral("select max(coalesce((select max(TabNo) from s_ui), 0),"
                                               " coalesce((select max(TabNo) from s_uiTab), 0))"))
           + 1;
}

qint64 NewUiTabSeqNo(const QSqlDatabase &db)
{
    return SelTableIntValue(db, QStringLiteral("select max(SeqNo) from s_uiTab")) + 1;
}
