#include "bills/form/BillFormat.h"

#include "core/db/AdoFunc.h"

BillFormat LoadBillFormat(const QSqlDatabase &db, const QString &noteName)
{
    QSqlQuery query = RunStatement(db,
                                   QStringLiteral("select RefNo, NoteName, NoteNameType, NoteType, DataTablename, ImgFile,"
                                                  " Xmove, Ymove, xPanelPos, ZoomFactor from p_NoteList where NoteName = ?"),
                                   {noteName});
    BillFormat format;
    if (!query.next())
        return format;
    format.exists = true;
    format.refNo = query.value(0).toString();
    format.noteName = query.value(1).toString();
    format.noteNameType = query.value(2).toString();
    format.noteType = query.value(3).toString().trimmed();
    format.dataTable = query.value(4).toString();
    format.imgFile = query.value(5).toString();
    format.xMove = query.value(6).toDouble();
    format.yMove = query.value(7).toDouble();
    format.xPanelPos = query.value(8).toInt();
    const double zoom = query.value(9).toDouble();
    format.zoomFactor = zoom == 0 ? 1.0 : zoom;
    return format;
}
