#pragma once

#include "core/globals/WindowHandle.h"

class MessageReceiver;
class QObject;

// Window handles: integers handed out in increasing order and never reused. A handle names its
// object until the object is destroyed; after that it names nothing.

// The handle of an object, given on the first call and the same on every later one.
THandle HandleOf(QObject *window);

// The object a handle names, or nullptr when it is unknown or its object is gone.
QObject *WindowOf(THandle handle);

// The receiver behind a handle, or nullptr when the window is gone or receives no messages.
MessageReceiver *ReceiverOf(THandle handle);

// Used by MessageReceiver: routes a window's messages to a receiver, or drops the handle.
THandle AttachReceiver(QObject *window, MessageReceiver *receiver);
void DropHandle(THandle handle);
