#pragma once

#include <QList>
#include <QString>
#include <QVariant>

// How the columns of a template row and of its field rows travel in a package. The export fills
// each placeholder of the text templates with its column; the text templates put the value into
// an element; the import reads the element back into the column.

enum class PackageValueKind {
    Text,           // as it stands; empty is stored as NULL
    Number,         // a floating number; empty is NULL
    Integer,        // a whole number; empty is NULL
    TrimmedInteger, // a whole number after trimming; empty is 0
};

struct PackageColumn
{
    QString placeholder; // in the text template
    QString element;     // in the package XML; empty: exported only, never read back
    QString column;      // of p_NoteList or p_NoteCntlList
    PackageValueKind kind = PackageValueKind::Text;
};

// The p_NoteList columns copied as they stand (the picture, the icon and the flags are filled
// apart, see PackageXmlWriter).
const QList<PackageColumn> &TemplateRowColumns();

// Every p_NoteCntlList column a package carries.
const QList<PackageColumn> &FieldRowColumns();

// The stored value of a package text; raises PackageFormatError when a number is no number.
QVariant PackageValue(const QString &text, PackageValueKind kind);
