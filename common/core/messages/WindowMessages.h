#pragma once

#include "core/globals/WindowHandle.h"
#include "core/messages/WindowMessage.h"

#include <QStringView>

// Registered window messages between the program and its modules, all in the GUI thread.

// The number of a message name: the same number for the same name everywhere in the process,
// a different one for every other name.
quint32 RegisterWindowMessage(QStringView name);

// Whether a received message is the one registered under the name.
inline bool IsMessage(const WindowMessage &message, QStringView name)
{
    return message.Msg == RegisterWindowMessage(name);
}

// Hands the message to the window's WndProc at once and returns when it has been handled
// (a modal dialog opened by the receiver keeps the sender waiting). A window that is gone,
// unknown or receives no messages: nothing happens.
void SendMessage(THandle window, quint32 message, qint64 wParam, qint64 lParam);

// Queues the message; the event loop delivers it after the sender has returned, in the order
// of posting. A window that is gone by then: nothing happens.
void PostMessage(THandle window, quint32 message, qint64 wParam, qint64 lParam);
