#include "helpers/HistoryQueryFixture.h"

#include "core/globals/PubDm.h"

HistoryQueryFixture::HistoryQueryFixture(Formats formats)
{
    folder.openDatabase();
    if (formats == Formats::None)
        folder.removeShippedFormats();
    MainWindowsHand = mainWindow.Handle();
    sCurUserId = QStringLiteral("admin");
}

std::unique_ptr<TDbQueryForm> HistoryQueryFixture::shownForm() const
{
    auto form = std::make_unique<TDbQueryForm>(nullptr);
    form->show();
    return form;
}
