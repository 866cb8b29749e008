#pragma once

#include <QByteArray>
#include <QSqlDatabase>
#include <QString>

// Writes the package XML of one template by filling the text templates beside the program
// ("xml/main.txt" the document, "xml/Complist.txt" one field, "xml/Tables.txt" one data table,
// "xml/FieldDef.txt" one column of a data table).

struct PackageTextTemplates
{
    QString document;
    QString component;
    QString table;
    QString fieldDef;
};

// The text templates of the program folder, read as GBK. Raises CorvaneError when one is
// missing.
PackageTextTemplates LoadPackageTextTemplates();

// The XML of the template `noteName`: its row, its fields in row order, its pictures as hex text
// (empty when the file is missing) and the definitions of its data table and its grids' tables.
// Raises CorvaneError when there is no such template.
QString PackageXmlOfNote(const QSqlDatabase &db, const QString &noteName, const PackageTextTemplates &templates);

// The XML as stored: GBK, with a character reference for every character GBK has no form for.
QByteArray PackageXmlBytes(const QString &xml);
