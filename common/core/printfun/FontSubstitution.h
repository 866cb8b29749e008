#pragma once

#include <QList>
#include <QString>

// Templates store Windows font names (宋体, 黑体, Arial ...). Each maps to an installed font of
// the same style, so text keeps its width and line height instead of falling back to an
// arbitrary font.
struct FontSubstitute
{
    QString windowsName;
    QString installedFamily;
};

const QList<FontSubstitute> &FontSubstitutionTable();

// The table is registered with Qt's font matching when the application object is made, so
// every font of the process resolves through it. A font keeps its stored family name (it is
// written back unchanged); only the matching sees the substitute.
