#pragma once

#include "core/picture/PictureCheck.h"
#include "core/template/TemplateFiles.h"

#include <QSqlDatabase>
#include <QString>
#include <QVariantMap>

// Bringing a chosen picture or icon file into the template's folder. A file that another
// template names is never overwritten: the new file then takes the first free name
// "<base>_2.<ext>", "<base>_3.<ext>", ... A file is never copied onto itself.
struct TemplateFileImport
{
    QString source;    // the chosen file
    QString fileName;  // the name the template stores
    QString target;    // its path in the folder
    bool copy = false; // false: the target is the chosen file, or holds the same bytes already
};

TemplateFileImport PlanTemplateFileImport(const QSqlDatabase &db, TemplateFileKind kind, const QString &chosenPath,
                                          const QString &refNo);

// Copies through a temporary file that replaces the target only when complete. Raises
// CorvaneError when the file cannot be copied.
void CarryOutFileImport(const TemplateFileImport &plan);

// What the template row takes from an imported picture in the images folder, found fit by
// CheckTemplatePicture: file, densities, unit, form, empty conversion rates and the enciphered
// paper size. A picture without a density clears the paper size (printing then refuses rather
// than using the old picture's size).
QVariantMap ImportedPictureColumns(const QString &fileName, const CheckedPicture &picture);
