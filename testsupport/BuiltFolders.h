#pragma once

#include <QString>

// Folders of the build a test belongs to. CTest names them in the environment; a test started
// by hand (under xvfb-run, from any folder) falls back on the build it was made in.
QString BuiltProgramFolder(); // the program folder: program, modules, data, images ...
QString BuildFolder();        // the build folder: tests, test modules and plug-ins
