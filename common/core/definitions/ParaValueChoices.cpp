#include "core/definitions/ParaValueChoices.h"

QStringList ParaValueChoices(const QVariant &type)
{
    if (!type.isNull() && type.toLongLong() == 1)
        return {QStringLiteral("是"), QStringLiteral("否")};
    return {};
}
