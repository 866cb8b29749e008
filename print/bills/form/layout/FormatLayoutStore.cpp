#include "bills/form/layout/FormatLayoutStore.h"

#include "bills/form/layout/PageOffset.h"
#include "core/db/AdoFunc.h"

#include <cmath>

void StoreFormatOffset(const QSqlDatabase &db, const QString &noteName, OffsetAxis axis, double mm)
{
    const QString sql = axis == OffsetAxis::Horizontal ? QStringLiteral("update p_NoteList set Xmove = ? where NoteName = ?")
                                                       : QStringLiteral("update p_NoteList set Ymove = ? where NoteName = ?");
    ExecTmpQuery(db, sql, {StoredOffset(mm), noteName});
}

void StorePaperGuide(const QSqlDatabase &db, const QString &noteName, int position)
{
    ExecTmpQuery(db, QStringLiteral("update p_NoteList set xPanelPos = ? where NoteName = ?"), {position, noteName});
}

void StoreZoomFactor(const QSqlDatabase &db, const QString &noteName, double factor)
{
    ExecTmpQuery(db, QStringLiteral("update p_NoteList set ZoomFactor = ? where NoteName = ?"),
                 {std::nearbyint(factor * 100.0) / 100.0, noteName});
}
