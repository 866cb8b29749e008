#pragma once

#include "BuiltFolders.h"
#include "MainPageCloser.h"
#include "mainwindow/TM1Form.h"

#include <QtTest>

// For tests that link the program's shell: shows the main window with its loader on the built
// program folder and waits for its first showing; the main page it opens then is closed again,
// so that only the screens a test opens are listed. Callers check QTest::currentTestFailed() afterwards.
inline void ShowLoaderWindow(TM1Form &window)
{
    window.moduleLoader().setFolder(BuiltProgramFolder());
    window.resize(1200, 800);
    window.show();
    QTRY_COMPARE(window.menuType(), 1);
    CloseMainPage();
}
