#include "core/messages/MessageReceiver.h"

#include "core/messages/WindowHandles.h"

MessageReceiver::MessageReceiver(QObject *window) : m_handle(AttachReceiver(window, this))
{
}

MessageReceiver::~MessageReceiver()
{
    DropHandle(m_handle);
}

void MessageReceiver::WndProc(const WindowMessage &)
{
}
