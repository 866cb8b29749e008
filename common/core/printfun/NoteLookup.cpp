#include "core/printfun/NoteLookup.h"

#include "core/db/AdoFunc.h"

QString NoteTypeName(const QSqlDatabase &db, const QString &noteName)
{
    return SelTableStringValue(db, QStringLiteral("select NoteNameType from p_NoteList where NoteName = ?"), {noteName});
}

QString NoteBaseType(const QSqlDatabase &db, const QString &noteName)
{
    return SelTableStringValue(db, QStringLiteral("select NoteType from p_NoteList where NoteName = ?"), {noteName});
}

QString GetDefaultNOte(const QSqlDatabase &db, const QString &kind)
{
    return SelTableStringValue(
        db, QStringLiteral("select NoteName from p_NoteList where NoteType = ? and DefNote = 1 order by autoid limit 1"),
        {kind});
}

QString GetDefaultNoteName(const QSqlDatabase &db, const QString &kind)
{
    return SelTableStringValue(db,
                               QStringLiteral("select NoteName from p_NoteList where NoteType = ? and \"default\" = '是' "
                                              "and DefNote = 1 order by autoid limit 1"),
                               {kind});
}

bool IsNoteNameExists(const QSqlDatabase &db, const QString &noteName)
{
    return SelTableIntValue(db, QStringLiteral("select 1 from p_NoteList where NoteName = ?"), {noteName}) == 1;
}

QString NoteNameOfRefNo(const QSqlDatabase &db, qint64 refNo)
{
    return SelTableStringValue(db, QStringLiteral("select NoteName from p_NoteList where RefNo = ?"),
                               {QString::number(refNo)});
}

qint64 NoteRefNo(const QSqlDatabase &db, const QString &noteName)
{
    return SelTableIntegerValue(db, QStringLiteral("select RefNo from p_NoteList where NoteName = ?"), {noteName});
}

QStringList NoteCategoriesOfKind(const QSqlDatabase &db, const QString &kind)
{
    QStringList categories;
    SqlAddPickList(db, QStringLiteral("select distinct NoteNameType from p_NoteList where NoteType = ?"), categories,
                   {kind});
    return categories;
}

QStringList NoteNamesOfCategory(const QSqlDatabase &db, const QString &category)
{
    QStringList names;
    SqlAddPickList(db, QStringLiteral("select NoteName from p_NoteList where NoteNameType = ?"), names, {category});
    return names;
}
