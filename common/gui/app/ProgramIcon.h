#pragma once

#include <QIcon>
#include <QImage>

// The program's own icon, drawn here so the window, the desktop entry and the shipped file
// (icons/quillet.png, written at build time) show the same picture.
QImage DrawProgramIcon(int size);
QIcon ProgramIcon();
