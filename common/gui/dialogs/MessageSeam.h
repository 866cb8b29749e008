#pragma once

#include <QMessageBox>
#include <QString>

#include <functional>

// What a message box would show. Every box of the system goes through MessageSeam::ask, so a
// test can answer it without a person.
struct MessageRequest
{
    QMessageBox::Icon icon = QMessageBox::Information;
    QString title;
    QString text;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};

class MessageSeam
{
public:
    using Handler = std::function<QMessageBox::StandardButton(const MessageRequest &)>;

    // Shows the box (or hands it to the installed handler) and returns the button pressed.
    static QMessageBox::StandardButton ask(const MessageRequest &request);

    // Installs a handler in place of real boxes; an empty handler restores them.
    static void setHandler(Handler handler);
};
