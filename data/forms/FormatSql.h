#pragma once

#include "FormSheet.h"

#include <QList>
#include <QString>
#include "core/template/TemplateNote.h"

// The shipped rows of the formats: p_NoteList (with the picture's columns as its import
// writes them, taken from `pictureColumns`), p_NoteCntlList, and the main-page icons on the kind's tab and on 常用单据.
QString FormatSql(const QList<FormSheet> &sheets, const QList<TemplateNote> &pictureColumns);
