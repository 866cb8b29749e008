#pragma once

#include "core/template/TemplateDocument.h"

#include <QSqlDatabase>
#include <QString>

// A format as printing reads it.
struct PrintTemplate
{
    TemplateDocument document;

    const TemplateNote &note() const { return document.note; }
    // The picture's path in the program folder.
    QString picturePath() const;
};

// Reads the format; raises PrintRefusal when there is no format of that name.
PrintTemplate LoadPrintTemplate(const QSqlDatabase &db, const QString &noteName);
