#pragma once

#include "core/globals/WindowHandle.h"
#include "core/messages/WindowMessage.h"

class QObject;

// Mix-in for a window that receives messages. The window gets its handle when the mix-in is
// constructed and loses it when the mix-in is destroyed, before its QObject part goes. List the
// QObject base first, then this one:
//
//   class TSomeForm : public QWidget, public MessageReceiver
//   {
//   public:
//       explicit TSomeForm(QWidget *owner) : QWidget(owner), MessageReceiver(this) {}
//       void WndProc(const WindowMessage &message) override
//       {
//           if (IsMessage(message, MsgOpenRefNo))
//               openTemplate(UnpackRefNoParam(message.LParam).refNo);
//           MessageReceiver::WndProc(message);   // always pass it on to the inherited handling
//       }
//   };
class MessageReceiver
{
public:
    explicit MessageReceiver(QObject *window);
    virtual ~MessageReceiver();

    MessageReceiver(const MessageReceiver &) = delete;
    MessageReceiver &operator=(const MessageReceiver &) = delete;

    THandle Handle() const { return m_handle; }

    // Handles one message. An override handles what it knows and then calls the inherited
    // WndProc with every message; this base does nothing.
    virtual void WndProc(const WindowMessage &message);

private:
    THandle m_handle;
};
