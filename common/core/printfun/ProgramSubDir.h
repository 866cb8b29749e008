#pragma once

#include <QString>

// The program folder followed by `name` (a folder below it, lower case like every folder beside
// the program); created with its missing parents first. Raises CorvaneError when it cannot be
// created.
QString CreateProgSubDir(const QString &name);
