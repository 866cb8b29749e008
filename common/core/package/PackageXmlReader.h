#pragma once

#include "core/package/PackageTemplate.h"

#include <QByteArray>

// Reads the package XML (GBK) back into the template it describes. The document element holds
// the template's values as elements of their own, and the lists "Tables" (each "Table" with
// TableName, Type and the "FieldDef" list of "Field" entries) and "Components" (one "Component"
// per field). Raises PackageFormatError when the text is no such document.
PackageTemplate ReadPackageXml(const QByteArray &gbkXml);
