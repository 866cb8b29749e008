#pragma once

#include <QDate>
#include <QSqlDatabase>
#include <QString>
#include <QVariantMap>

// Rows of p_NoteList and p_NoteCntlList as column -> value maps, with the values a new template
// and a new field start from. The designer, the bill form and the package import share them.

// A new template: RefNo from the system counter, maker, day, default 是 (corrected when it is
// stored, see InsertTemplateRow), no paper offset. The caller adds NoteName, NoteNameType,
// NoteType and DataTablename.
QVariantMap NewTemplateRow(const QSqlDatabase &db, const QString &userId, const QDate &today);

// A new field of the template `refNo`: a left-aligned, vertically centred 文本显示 on the page,
// printed and shown, in the default font.
QVariantMap NewTemplateFieldRow(const QString &refNo);

// Gives a new field its kind and the defaults that kind brings; `dataTableName` is the
// template's data table.
void ApplyNewFieldKind(QVariantMap &field, const QString &kind, const QString &dataTableName);

// What changing an existing field's kind in the designer sets besides the kind itself.
void ApplyFieldKindChange(QVariantMap &field, const QString &kind);
