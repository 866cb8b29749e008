#pragma once

#include <QString>

// Settings are often stored as ";" or "," separated texts. Items are never trimmed.

// Item `index` (from 0) of `text` split at any character of `separators` ("," and ";" when
// empty). A trailing separator adds no empty item. Empty when there are not that many items.
QString GetStringIndexValue(const QString &text, const QString &separators, int index);

// Item `index` of `text` split at every occurrence of `separator`; a text ending in the
// separator has an empty last item. An empty text or separator has no items.
QString GetStringIndexValue2(const QString &text, const QString &separator, int index);

// Number of items as GetStringIndexValue2 counts them.
int GetStringIndexCount(const QString &text, const QString &separator);
