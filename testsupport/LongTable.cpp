#include "LongTable.h"

#include "core/db/AdoFunc.h"
#include "core/globals/PubDm.h"

void CreateLongTable(int rows)
{
    ExecTmpQuery(CurAdo, QStringLiteral("create table t (id integer primary key autoincrement, name text, amount money, pieces int)"));
    ExecTmpQuery(CurAdo, QStringLiteral("with recursive n(i) as (select 1 union all select i + 1 from n where i < %1) "
                                        "insert into t (name, amount, pieces) select 'r' || i, (i * 7919 % 100003) / 100.0, i % 13 from n")
                             .arg(rows));
}
