#include "designer/model/DesignHeader.h"

#include "core/db/AdoFunc.h"

#include <QSqlQuery>
#include <QSqlRecord>

std::optional<DesignHeader> LoadDesignHeader(const QSqlDatabase &db, const QString &refNo)
{
    QSqlQuery query = RunStatement(
        db, QStringLiteral("select RefNo, NoteName, DataTablename, ImgFile, ImgEnc, Xmove, Ymove from p_NoteList where RefNo = ?"),
        {refNo});
    if (!query.next())
        return std::nullopt;
    DesignHeader header;
    header.refNo = query.value(0).toString();
    header.noteName = query.value(1).toString();
    header.dataTableName = query.value(2).toString();
    header.imgFile = query.value(3).toString();
    header.imgEnc = query.value(4).toInt() == 1;
    header.offsetMm = QPointF(query.value(5).toDouble(), query.value(6).toDouble());
    return header;
}

void WritePageOffset(const QSqlDatabase &db, const QString &refNo, const QPointF &offsetMm)
{
    ExecTmpQuery(db, QStringLiteral("update p_NoteList set Xmove = ?, Ymove = ? where RefNo = ?"),
                 {offsetMm.x(), offsetMm.y(), refNo});
}
