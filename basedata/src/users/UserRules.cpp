#include "users/UserRules.h"

#include "common/KeyFieldRules.h"
#include "core/db/AdoFunc.h"

QString UserRowFault(const QSqlDatabase &db, DataSet &row)
{
    if (IsBlankField(row, QStringLiteral("UserId")))
        return QStringLiteral("用户账户不能为空，请输入后再保存！");
    TrimField(row, QStringLiteral("UserId"));
    if (IsTakenByOtherRow(db, row, QStringLiteral("Bs_User"), QStringLiteral("UserId")))
        return QStringLiteral("用户账户已经存在，请修改后再保存！");
    return {};
}

QString UserDeleteFault(const QSqlDatabase &db, const QString &userId, const QString &loggedInUserId)
{
    if (SameUserId(userId, loggedInUserId))
        return QStringLiteral("不能删除当前登录的用户！");
    if (SelTableIntValue(db, QStringLiteral("select count(*) from Bs_User")) <= 1)
        return QStringLiteral("不能删除最后一个用户！");
    return {};
}

bool SameUserId(const QString &a, const QString &b)
{
    return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0;
}
