#include "core/printfun/ParaSwitch.h"

#include "core/db/AdoFunc.h"

bool ParaSwitchIsOn(const QSqlDatabase &db, const QString &paraName)
{
    const QString value =
        SelTableStringValue(db, QStringLiteral("select ParaValue from bs_ParaList where ParaName = ?"), {paraName});
    return value.trimmed() == QStringLiteral("是");
}

bool CheckCheckNoWhenPrint(const QSqlDatabase &db)
{
    return ParaSwitchIsOn(db, QStringLiteral("打印支票时是否验证支票号码"));
}

bool AlwaysSelectPrinter(const QSqlDatabase &db)
{
    return ParaSwitchIsOn(db, QStringLiteral("打印时每次都显示选择框"));
}

bool EnterSysNeedLogin(const QSqlDatabase &db)
{
    return ParaSwitchIsOn(db, QStringLiteral("是否登录"));
}
