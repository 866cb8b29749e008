#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

// Look-ups of bill formats (templates) in p_NoteList; a missing row gives the empty text or
// false.

// The category (NoteNameType) of a format.
QString NoteTypeName(const QSqlDatabase &db, const QString &noteName);
// The bill kind (NoteType) of a format.
QString NoteBaseType(const QSqlDatabase &db, const QString &noteName);
// A format of the kind's default category (DefNote = 1).
QString GetDefaultNOte(const QSqlDatabase &db, const QString &kind);
// The default format of the kind: DefNote = 1 and default = 是.
QString GetDefaultNoteName(const QSqlDatabase &db, const QString &kind);
bool IsNoteNameExists(const QSqlDatabase &db, const QString &noteName);
// The format with that RefNo: its name; empty when there is none.
QString NoteNameOfRefNo(const QSqlDatabase &db, qint64 refNo);
// The RefNo of a format; 0 when there is none.
qint64 NoteRefNo(const QSqlDatabase &db, const QString &noteName);
// The categories of a kind's formats (each once), and the formats of a category.
QStringList NoteCategoriesOfKind(const QSqlDatabase &db, const QString &kind);
QStringList NoteNamesOfCategory(const QSqlDatabase &db, const QString &category);
