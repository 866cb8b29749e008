#pragma once

#include <QString>

// What the name dialog answers: a template's name, its category and its kind, kept apart (a
// name may hold ";" or "'").
struct NoteNameChoice
{
    QString name;      // NoteName
    QString category;  // NoteNameType
    QString kind;      // NoteType

    friend bool operator==(const NoteNameChoice &, const NoteNameChoice &) = default;
};

// The three uses of the name dialog.
enum class NoteNameMode { New = 0, Rename = 1, Copy = 2 };
