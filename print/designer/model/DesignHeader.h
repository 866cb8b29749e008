#pragma once

#include <QPointF>
#include <QSqlDatabase>
#include <QString>

#include <optional>

// What the design page needs of a template's p_NoteList row.
struct DesignHeader
{
    QString refNo;
    QString noteName;
    QString dataTableName;
    QString imgFile;
    bool imgEnc = false;
    // Paper offset in millimetres (Xmove, Ymove).
    QPointF offsetMm;
};

// The header of the template `refNo`; none when there is no such template.
std::optional<DesignHeader> LoadDesignHeader(const QSqlDatabase &db, const QString &refNo);

// Stores the paper offset of the template `refNo` at once (it is no part of the field batch).
void WritePageOffset(const QSqlDatabase &db, const QString &refNo, const QPointF &offsetMm);
