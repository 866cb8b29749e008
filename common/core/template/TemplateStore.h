#pragma once

#include "core/template/TemplateDocument.h"

#include <QSqlDatabase>
#include <QString>

#include <optional>

// Reading and writing templates: the one loader and the one writer of p_NoteList and
// p_NoteCntlList rows.

// 否 when another template of the category (a different name) is already its default, else 是:
// a category has at most one default format.
QString DefaultFlagFor(const QSqlDatabase &db, const QString &category, const QString &noteName);

// The template of that name (any letter case); none when there is none.
std::optional<TemplateDocument> LoadTemplate(const QSqlDatabase &db, const QString &noteName);

// The p_NoteList row of the template with that RefNo; none when there is none.
std::optional<TemplateNote> LoadTemplateNote(const QSqlDatabase &db, const QString &refNo);

// Writes the template in one transaction (a savepoint inside a caller's): its row (updated
// when its autoid is stored, else inserted) and its fields, which replace every field stored under
// its RefNo (fields keep their autoid when they have one). Whether it is its category's
// default is decided here by DefaultFlagFor, whatever the document says; new rows get the
// system's Tag numbering only through TemplateDocument::addField. Sets the autoids it stored.
void SaveTemplate(const QSqlDatabase &db, TemplateDocument &document);

// Writes only the fields of the template `refNo` in one transaction (a savepoint inside a
// caller's): they replace every field stored under it, keeping their autoid when they have one;
// its p_NoteList row, default flag included, stays as stored. False, and nothing written, when
// there is no such template. Sets the autoids it stored.
bool SaveTemplateFields(const QSqlDatabase &db, const QString &refNo, QList<TemplateField> &fields);
