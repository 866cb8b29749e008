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
