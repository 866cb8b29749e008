#include "core/printfun/VariantText.h"

QString VariantToStr(const QVariant &value)
{
    if (value.isNull())
        return QString();
    return value.toString();
}
