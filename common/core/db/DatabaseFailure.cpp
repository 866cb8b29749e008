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
    case SQLITE_READONLY:
    case SQLITE_PERM:
        return QStringLiteral("数据库文件是只读的，数据未保存，请检查数据库文件及其文件夹的写入权限（%1）").arg(text);
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return QStringLiteral("数据库正被另一个程序使用，数据未保存，请稍后再试（%1）").arg(text);
    case SQLITE_CANTOPEN:
        return QStringLiteral("无法打开数据库文件，数据未保存，请检查数据库文件夹的写入权限（%1）").arg(text);
    default:
        return text;
    }
}
