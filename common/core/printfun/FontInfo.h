#pragma once

#include <QFont>
#include <QString>

#include <optional>

// The font string of a template field: "name;size;粗体;斜体;下划线;删除线", each style word
// present or empty, e.g. "黑体;10;;;;".

// The font of a font string; none for an empty string. Any non-empty style item switches its
// style on. A size that is not an integer raises CorvaneError.
std::optional<QFont> DecodeFontInfo(const QString &fontString);

// The font string of a new field.
QString DefaultFontInfo();
