#include "bills/printing/CategoryFormats.h"

#include "core/db/AdoFunc.h"

QStringList CategoryFormats(const QSqlDatabase &db, const QString &noteName)
{
    QStringList names;
    SqlAddPickList(db,
                   QStringLiteral("select b.NoteName from p_NoteList a join p_NoteList b on b.NoteNameType = a.NoteNameType"
                                  " where a.NoteName = ? order by b.autoid"),
                   names, {noteName});
    return names;
}
