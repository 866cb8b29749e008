#pragma once

#include <QString>

// Deletes every plain file of `folder` whose name matches `pattern` (letter case ignored;
// "*.*" means every file). Folders are left alone. 0, or -1 when a deletion failed.
int DeleteDirFiles(const QString &folder, const QString &pattern);

// The path without one trailing separator.
QString TruncPathSplash(const QString &path);

// The path with a trailing separator added when it lacks one.
QString PathAddSlash(const QString &path);
