#pragma once

#include "core/archive/ZipHandle.h"

#include <QHash>
#include <QIODevice>
#include <QString>

#include <memory>

// The zip package of an .xlsx file: its parts by name and the relationships between them.
class XlsxPackage
{
public:
    // Raises SpreadsheetError (damaged) when the zip cannot be opened.
    explicit XlsxPackage(const QString &path);

    bool hasPart(const QString &part) const;
    // Raises SpreadsheetError (damaged) when the part is missing or cannot be opened.
    std::unique_ptr<QIODevice> openPart(const QString &part) const;

    struct Relationship
    {
        QString type;   // the last segment of the type URI: "officeDocument", "worksheet" ...
        QString target; // part name, resolved against the source part's folder
    };
    // The relationships of a part ("" for the package itself), by id.
    QHash<QString, Relationship> relationships(const QString &part) const;

private:
    ZipHandle m_zip;
};
