#pragma once

#include <QString>

// Moves a file to `target`, replacing a file of that name. Across file systems the file is
// copied beside the target first, so the target is never left half written.
bool MoveFileOver(const QString &source, const QString &target);
