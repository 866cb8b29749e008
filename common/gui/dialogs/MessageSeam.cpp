#include "gui/dialogs/MessageSeam.h"

#include <QApplication>

namespace {
MessageSeam::Handler &installedHandler()
{
    static MessageSeam::Handler handler;
    return handler;
}
}

QMessageBox::StandardButton MessageSeam::ask(const MessageRequest &request)
{
    if (installedHandler())
        return installedHandler()(request);
    QMessageBox box(request.icon, request.title, request.text, request.buttons, QApplication::activeWindow());
    if (request.defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(request.defaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void MessageSeam::setHandler(Handler handler)
{
    installedHandler() = std::move(handler);
}
