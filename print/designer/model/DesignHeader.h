#pragma once

#include "core/template/TemplateNote.h"

#include <QPointF>
#include <QSqlDatabase>
#include <QString>


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

// What the page takes of a template's row.
DesignHeader DesignHeaderOf(const TemplateNote &note);

// Stores the paper offset of the template `refNo` at once (it is no part of the field batch).
void WritePageOffset(const QSqlDatabase &db, const QString &refNo, const QPointF &offsetMm);
