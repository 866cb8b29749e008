#pragma once

#include <QList>
#include <QSqlDatabase>
#include <QString>

// What the main page reads of the bill formats (templates) in p_NoteList. Icons and messages
// carry a format's RefNo as a number; the table keeps it as text.

struct TemplateFormat
{
    qint64 refNo = 0;
    QString noteName;
};

bool TemplateExists(const QSqlDatabase &db, qint64 refNo);
QString TemplateNoteName(const QSqlDatabase &db, qint64 refNo);

// The default format of a bill kind (DefNote 1 and default 是), 0 when the kind has none.
qint64 DefaultFormatRefNo(const QSqlDatabase &db, const QString &kind);

// The formats of the format's category, in the order they were made.
QList<TemplateFormat> FormatsOfCategory(const QSqlDatabase &db, qint64 refNo);

// The format's background picture in "images", by file name only; empty when the format names
// none.
QString TemplatePictureFile(const QSqlDatabase &db, qint64 refNo);
