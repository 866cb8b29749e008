#pragma once

#include "core/dbfun/TableFieldDef.h"

#include <QHash>
#include <QList>
#include <QString>

// One template as a package carries it: the values of the template row, its data tables with
// their column definitions and its fields. Every value is text, as the package holds it.
using PackageRecord = QHash<QString, QString>;

struct PackageTable
{
    QString tableName;
    QString type; // position in the template's table list: "0" the main table, then its grids'
    QList<TableFieldDef> fields;
};

struct PackageTemplate
{
    PackageRecord main;               // NoteName, NoteNameType, NoteType, ..., imgfile, smallpic
    QList<PackageTable> tables;
    QList<PackageRecord> components;  // one per template field
};
