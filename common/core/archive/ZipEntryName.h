#pragma once

#include <QByteArray>
#include <QString>

// Entry names of the package format: GBK without the UTF-8 flag. Readers decode UTF-8 only
// when the archive says so.
QString decodeEntryName(const QByteArray &raw, bool markedUtf8);

// The name an entry may take inside the destination folder: only its last path component
// ("/" and "\" both separate). Empty when nothing safe remains ("", ".", "..").
QString safeEntryFileName(const QString &name);
