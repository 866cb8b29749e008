#pragma once

#include <QFont>
#include <QString>

#include <optional>

// The font of a template field, decoded from its stored text "name;size;粗体;斜体;下划线;删除线"
// (each style word present or empty, e.g. "黑体;10;;;;").
struct FieldFont
{
    QString name;
    int pointSize = 0; // 0: the font's own size
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;

    friend bool operator==(const FieldFont &, const FieldFont &) = default;

    // None for an empty text. Any non-empty style item switches its style on. A size that is
    // not an integer raises CorvaneError.
    static std::optional<FieldFont> decode(const QString &text);
    // The stored text.
    QString text() const;
    QFont toFont() const;
};
