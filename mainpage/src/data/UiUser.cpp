#include "data/UiUser.h"

#include "core/db/AdoFunc.h"
#include "core/globals/PubDm.h"

namespace {
QString lastTabUser()
{
    return sCurUserId.isEmpty() ? UiRowUser() : sCurUserId;
}
} // namespace

QString UiRowUser()
{
    return QStringLiteral("admin");
}

int ReadLastTab(const QSqlDatabase &db)
{
    return static_cast<int>(SelTableIntValue(db, QStringLiteral("select LastTab from Bs_User where UserId = ?"), {lastTabUser()}));
}

void WriteLastTab(const QSqlDatabase &db, int tabNo)
{
    ExecTmpQuery(db, QStringLiteral("update Bs_User set LastTab = ? where UserId = ?"), {tabNo, lastTabUser()});
}
