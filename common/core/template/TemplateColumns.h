#pragma once

#include "core/template/TemplateField.h"
#include "core/template/TemplateNote.h"

#include <QList>
#include <QString>
#include <QVariant>

#include <functional>

// The stored columns of a template's rows: one table per row kind says how each column is read
// into its member and written from it. The loader, the writer and the packages all use it, so a
// column is converted in one place only.
template <typename Row>
struct TemplateColumn
{
    QString name;
    std::function<QVariant(const Row &)> stored;        // NULL as an invalid QVariant
    std::function<void(Row &, const QVariant &)> load;  // from a stored (or package) value
};

// Every column of p_NoteList but autoid, in table order.
const QList<TemplateColumn<TemplateNote>> &NoteColumns();
// Every column of p_NoteCntlList but autoid, in table order.
const QList<TemplateColumn<TemplateField>> &FieldColumns();

// The column of that name (any letter case); raises CorvaneError when there is none.
const TemplateColumn<TemplateNote> &NoteColumn(const QString &name);
const TemplateColumn<TemplateField> &FieldColumn(const QString &name);
