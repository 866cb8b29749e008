#include "core/messages/WindowHandles.h"

#include <QHash>
#include <QObject>

namespace {

struct Entry
{
    QObject *window = nullptr;
    MessageReceiver *receiver = nullptr;
    QMetaObject::Connection destroyed;
};

// GUI thread only, like every window.
struct HandleTable
{
    QHash<THandle, Entry> byHandle;
    QHash<const QObject *, THandle> byWindow;
    THandle last = NoWindow;
};

// Never freed: windows destroyed during process exit still find it.
HandleTable &table()
{
    static auto *instance = new HandleTable;
    return *instance;
}

} // namespace

THandle HandleOf(QObject *window)
{
    if (!window)
        return NoWindow;
    HandleTable &t = table();
    if (const auto found = t.byWindow.constFind(window); found != t.byWindow.cend())
        return *found;
    const THandle handle = ++t.last;
    Entry entry;
    entry.window = window;
    entry.destroyed = QObject::connect(window, &QObject::destroyed, [handle] { DropHandle(handle); });
    t.byHandle.insert(handle, entry);
    t.byWindow.insert(window, handle);
    return handle;
}

QObject *WindowOf(THandle handle)
{
    return table().byHandle.value(handle).window;
}

MessageReceiver *ReceiverOf(THandle handle)
{
    return table().byHandle.value(handle).receiver;
}

THandle AttachReceiver(QObject *window, MessageReceiver *receiver)
{
    const THandle handle = HandleOf(window);
    if (handle != NoWindow)
        table().byHandle[handle].receiver = receiver;
    return handle;
}

void DropHandle(THandle handle)
{
    HandleTable &t = table();
    const auto found = t.byHandle.find(handle);
    if (found == t.byHandle.end())
        return;
    QObject::disconnect(found->destroyed);
    t.byWindow.remove(found->window);
    t.byHandle.erase(found);
}
