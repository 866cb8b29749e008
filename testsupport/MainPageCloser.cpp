#include "MainPageCloser.h"

#include "core/globals/PubDm.h"
#include "core/messages/MessageNames.h"
#include "core/messages/WindowHandles.h"
#include "core/messages/WindowMessages.h"

#include <QtTest>

void CloseMainPage()
{
    if (!WindowOf(MainUIWindowsHand))
        return;
    SendMessage(MainUIWindowsHand, RegisterWindowMessage(MsgCloseForm), 0, 0);
    QTRY_VERIFY_WITH_TIMEOUT(!WindowOf(MainUIWindowsHand), 5000);
    // Its frame in the main window goes by deferred deletion.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}
