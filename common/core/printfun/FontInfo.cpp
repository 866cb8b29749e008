#include "core/printfun/FontInfo.h"

#include "core/template/FieldFont.h"

std::optional<QFont> DecodeFontInfo(const QString &fontString)
{
    const std::optional<FieldFont> font = FieldFont::decode(fontString);
    return font ? std::optional<QFont>(font->toFont()) : std::nullopt;
}

QString DefaultFontInfo()
{
    return QStringLiteral("黑体;10;;;;");
}
