#pragma once

#include <QFont>
#include <QString>

// A field's font as stored in templates: "name;size;粗体;斜体;下划线;删除线", each style word
// present or empty.

// The style word n (1 bold, 2 italic, 3 underline, 4 strike-out) when the font has that style,
// else the empty text.
QString GetFontstyleStr(const QFont &font, int n);

QString FontToFontString(const QFont &font);

// The font a font string describes; parts that are missing or empty keep `base`'s values.
QFont FontFromFontString(const QString &fontString, const QFont &base = QFont());
