#include "core/definitions/FormatChoices.h"

#include "core/db/AdoFunc.h"

FormatChoices FormatChoicesFor(const QSqlDatabase &db, const QString &kind)
{
    FormatChoices choices;
    SqlAddPickList(db, QStringLiteral("select PrintName from s_PrintType order by id"), choices.kinds);
    // Kinds are matched as the database matches them, without regard to letter case.
    for (int i = 0; i < choices.kinds.size() && choices.kindIndex < 0; ++i)
        if (choices.kinds.at(i).compare(kind, Qt::CaseInsensitive) == 0)
            choices.kindIndex = i;
    SqlAddPickList(db, QStringLiteral("select NoteName from p_NoteList where NoteType = ? order by NoteName"),
                   choices.formats, {kind});
    return choices;
}
