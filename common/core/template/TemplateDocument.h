#pragma once

#include "core/template/TemplateField.h"
#include "core/template/TemplateNote.h"

#include <QDate>
#include <QList>
#include <QSqlDatabase>
#include <QString>


// One template: its p_NoteList row and every p_NoteCntlList row, in stored (autoid) order.
// The designer, the bill form, printing and the packages all read and write templates through
// it; it needs no widget.
class TemplateDocument
{
public:
    TemplateNote note;
    QList<TemplateField> fields;

    friend bool operator==(const TemplateDocument &, const TemplateDocument &) = default;

    // The placed fields under one parent (0: the page, else a grid's Tag), by left edge; fields
    // at the same left edge keep their stored order.
    QList<TemplateField> placedFields(int parentId) const;
    // The placed, printed columns of the grid with that Tag, in stored order.
    QList<TemplateField> printedColumns(int gridTag) const;

    // The Tag a new field takes: one above the highest of its group (grids from 500, every
    // other field, grid columns too, from 1000), or the group's first number.
    int nextTag(bool grid) const;

    // Appends a new field of `kind` with its Tag and the defaults the kind brings (some depend
    // on the template's data table), and returns it.
    TemplateField &addField(EditKindIndex kind);

    // Forgets the stored row ids, so that writing stores the template as new rows.
    void forgetStoredIds();
};

// A new field of `kind` for the template `refNo` (Tag 0, not placed): a left-aligned,
// vertically centred field on the page, printed and shown, in the default font, with the
// defaults the kind brings (some depend on the template's data table).
TemplateField NewTemplateField(const QString &refNo, EditKindIndex kind, const QString &dataTableName);

// A new template: RefNo from the system counter, maker, day, no paper offset. The caller sets
// NoteName, NoteNameType, NoteType and DataTablename.
TemplateDocument NewTemplateDocument(const QSqlDatabase &db, const QString &userId, const QDate &today);
