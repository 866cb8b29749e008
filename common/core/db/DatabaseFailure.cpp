#include "core/db/DatabaseFailure.h"

#include <sqlite3.h>

QString DatabaseFailureText(const QSqlError &error)
{
    const QString text = error.text();
    switch (error.nativeErrorCode().toInt() & 0xff) {
    case SQLITE_FULL:
        return QStringLiteral("磁盘空间不足，数据未保存（%1）").arg(text);
    case SQLITE_IOERR:
        return QStringLiteral("磁盘读写错误，数据未保存（%1）").arg(text);
    default:
        return text;
    }
}
