#pragma once

#include "MessageScript.h"
#include "TestProgramFolder.h"
#include "helpers/MessageRecorder.h"

#include "bills/history/TDbQueryForm.h"

#include <memory>

// The history query's surroundings for one test: a fresh program folder with its database open,
// the message boxes answered, a recorder standing in for the main window and the admin logged
// in. The screen itself is shown on its own, outside any main window.
struct HistoryQueryFixture
{
    enum class Formats { Shipped, None };
    explicit HistoryQueryFixture(Formats formats);

    std::unique_ptr<TDbQueryForm> shownForm() const;

    TestProgramFolder folder;
    MessageScript messages;
    MessageRecorder mainWindow;
};
