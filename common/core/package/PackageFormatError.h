#pragma once

#include "core/errors/CorvaneError.h"

// A file that is no template package: not readable as one, or naming tables, columns or files
// that may not be used. Nothing has been changed when it is raised.
class PackageFormatError : public CorvaneError
{
public:
    PackageFormatError() : CorvaneError(QStringLiteral("文件格式错误！")) {}
    // The same with the reason after it.
    explicit PackageFormatError(const QString &reason) : CorvaneError(QStringLiteral("文件格式错误！") + reason) {}
};
