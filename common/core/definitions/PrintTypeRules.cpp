#include "core/definitions/PrintTypeRules.h"

#include "core/db/AdoFunc.h"

qint64 NewPrintTypePageNo(const QSqlDatabase &db)
{
    return SelTableIntValue(db, QStringLiteral("select max(pageno) from s_printType")) + 1;
}

bool PrintTypeInUse(const QSqlDatabase &db, const QString &printName)
{
    return !SqlTableIsEmpty(db, QStringLiteral("select 1 from p_NoteList where NoteType = ? COLLATE NOCASE"), {printName});
}

QString PrintTypeStoreFault(const QSqlDatabase &db, const QVariant &id, const QString &newName)
{
    if (newName.trimmed().isEmpty())
        return QStringLiteral("单据类别名称不能为空");
    const bool taken = !SqlTableIsEmpty(
        db, QStringLiteral("select 1 from s_PrintType where PrintName = ? COLLATE NOCASE and (? is null or id <> ?)"),
        {newName, id, id});
    if (taken)
        return QStringLiteral("单据类别名称%1已经存在").arg(newName);
    const QString storedName =
        id.isNull() ? QString() : SelTableStringValue(db, QStringLiteral("select PrintName from s_PrintType where id = ?"), {id});
    // A change of letter case only keeps every template's look-up working.
    const bool renamed = !storedName.isEmpty() && storedName.compare(newName, Qt::CaseInsensitive) != 0;
    if (renamed && PrintTypeInUse(db, storedName))
        return QStringLiteral("单据类别%1已有单据格式使用，不能修改名称").arg(storedName);
    return {};
}

QString PrintTypeDeleteFault(const QSqlDatabase &db, const QString &printName)
{
    if (PrintTypeInUse(db, printName))
        return QStringLiteral("单据类别%1已有单据格式使用，不能删除").arg(printName);
    return {};
}
