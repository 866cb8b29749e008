#include "core/messages/WindowMessages.h"

#include "core/messages/MessageReceiver.h"
#include "core/messages/WindowHandles.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHash>
#include <QObject>
#include <QPointer>

namespace {

// Registered numbers start where a platform's own messages end, so they never meet one.
constexpr quint32 kFirstRegisteredMessage = 0xC000;

const QEvent::Type kPostedMessageEvent = static_cast<QEvent::Type>(QEvent::registerEventType());

struct PostedMessage : QEvent
{
    PostedMessage(THandle target, const WindowMessage &message)
        : QEvent(kPostedMessageEvent), target(target), message(message)
    {
    }
    THandle target;
    WindowMessage message;
};

// Receives every posted message and hands it on when it comes out of the queue; one receiver
// for all keeps the posting order across windows.
struct PostOffice : QObject
{
    bool event(QEvent *event) override
    {
        if (event->type() != kPostedMessageEvent)
            return QObject::event(event);
        const auto *posted = static_cast<PostedMessage *>(event);
        const WindowMessage &m = posted->message;
        SendMessage(posted->target, m.Msg, m.WParam, m.LParam);
        return true;
    }
};

QObject *postOffice()
{
    static QPointer<PostOffice> office;
    if (!office) {
        office = new PostOffice;
        office->setParent(QCoreApplication::instance());
    }
    return office;
}

} // namespace

quint32 RegisterWindowMessage(QStringView name)
{
    static QHash<QString, quint32> numbers;
    const QString key = name.toString();
    const auto found = numbers.constFind(key);
    if (found != numbers.cend())
        return *found;
    const quint32 number = kFirstRegisteredMessage + quint32(numbers.size());
    numbers.insert(key, number);
    return number;
}

void SendMessage(THandle window, quint32 message, qint64 wParam, qint64 lParam)
{
    if (MessageReceiver *receiver = ReceiverOf(window))
        receiver->WndProc(WindowMessage{message, wParam, lParam});
}

void PostMessage(THandle window, quint32 message, qint64 wParam, qint64 lParam)
{
    QCoreApplication::postEvent(postOffice(), new PostedMessage(window, WindowMessage{message, wParam, lParam}));
}
