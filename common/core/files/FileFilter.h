#pragma once

#include <QString>

// File patterns and dialog filters are written the Windows way: "desc|*.ext|desc2|*.a;*.b",
// where "*.*" means every file. Qt wants "desc (*.ext);;desc2 (*.a *.b)" and "*" for every file.

// "*.a;*.b" -> "*.a *.b", with "*.*" -> "*".
QString filePatternToQt(const QString &patterns);

// A whole "desc|patterns|..." filter in Qt's form. A pattern list in parentheses at the end of
// a description is replaced by the converted one, so Qt never reads "*.*" from it.
QString fileFilterToQt(const QString &filter);
