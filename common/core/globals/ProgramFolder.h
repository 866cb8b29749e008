#pragma once

#include <QString>

// The program folder: the executable's folder, or the folder named by QUILLET_HOME (tests run
// on a fresh copy that way). The result always ends in '/'.
QString ProgramFolderPath();

// A file or folder below the program folder, e.g. ProgramFile("data/data.db").
QString ProgramFile(const QString &relativePath);
