#pragma once

#include "core/messages/MessageReceiver.h"
#include "core/messages/WindowMessage.h"

#include <QList>
#include <QObject>

// Stands in for a window that screens send messages to (the main window, a bill form) and keeps
// what it is sent.
class MessageRecorder : public QObject, public MessageReceiver
{
public:
    MessageRecorder() : MessageReceiver(this) {}
    void WndProc(const WindowMessage &message) override
    {
        received.append(message);
        MessageReceiver::WndProc(message);
    }
    QList<WindowMessage> received;
};
