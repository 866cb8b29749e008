#pragma once

#include <QSqlDatabase>
#include <QString>

// What the bill search looks for; empty texts do not narrow it.
struct NoteQuery
{
    QString noteType; // bill kind, exactly
    QString noteName; // part of the format's name, taken literally
    QString area;
    QString bank;
    bool onlyOne = true; // only the default format of each category
};

// Fills the search-result tab with one icon per matching format and returns its number.
int OpenNoteQuery(const QSqlDatabase &db, const NoteQuery &query);
