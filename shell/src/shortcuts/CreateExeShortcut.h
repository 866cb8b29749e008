#pragma once

#include <QString>

// Special folders a shortcut can go to.
constexpr int kDesktopFolder = 0;
constexpr int kProgramsFolder = 2;

// Writes a desktop entry "<folder>/<linkName>.desktop" that starts `target` in its own folder.
// `specialFolder` 0 is the desktop and 2 the applications menu; -1 uses `folder`, which must
// exist (the desktop when `folder` is empty). An existing entry is overwritten. The link name
// defaults to the target's file name without extension. False when the target is missing, the
// folder cannot be used or the file cannot be written.
bool CreateExeShortcut(const QString &target, const QString &linkName, const QString &folder, int specialFolder);

// The text of the desktop entry for `target` named `name`.
QString DesktopEntryText(const QString &target, const QString &name);
// The program's icon in its folder (drawn at build time), named by the desktop entries.
QString ProgramIconFile(const QString &programFolder);
