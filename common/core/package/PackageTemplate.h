#pragma once

#include "core/dbfun/TableFieldDef.h"
#include "core/template/TemplateDocument.h"

#include <QList>
#include <QString>

// One template as a package carries it: the template (its number is given at import), its
// data tables with their column definitions, and the picture and icon it brings.
struct PackageTable
{
    QString tableName;
    QString type; // position in the template's table list: "0" the main table, then its grids'
    QList<TableFieldDef> fields;
};

// A picture of the package: present when its flag is 1; `name` is the file name without
// extension, `hex` the file's bytes as hex text.
struct PackageImage
{
    bool present = false;
    QString name;
    QString hex;
};

struct PackageTemplate
{
    TemplateDocument document;
    bool hasTables = false;
    QList<PackageTable> tables;
    PackageImage picture;  // the background, a JPEG
    PackageImage icon;     // the main-page icon, a bitmap
};
