#include "designer/model/DesignHeader.h"

#include "core/db/AdoFunc.h"

DesignHeader DesignHeaderOf(const TemplateNote &note)
{
    return {note.refNo, note.noteName, note.dataTableName, note.imgFile, note.imgEnc.value_or(0) == 1,
            QPointF(note.xMove.value, note.yMove.value)};
}

void WritePageOffset(const QSqlDatabase &db, const QString &refNo, const QPointF &offsetMm)
{
    ExecTmpQuery(db, QStringLiteral("update p_NoteList set Xmove = ?, Ymove = ? where RefNo = ?"),
                 {offsetMm.x(), offsetMm.y(), refNo});
}
