#include "gui/dialogs/MessageBoxes.h"

#include "gui/dialogs/MessageSeam.h"

namespace {
void showInformation(const QString &text, const QString &title = QString())
{
    MessageRequest request;
    request.icon = QMessageBox::Information;
    request.title = title;
    request.text = text;
    request.buttons = QMessageBox::Ok;
    MessageSeam::ask(request);
}
}

void ShowMsgHint(const QString &text)
{
    showInformation(text);
}

void ShowMsgWarn(const QString &text)
{
    showInformation(text);
}

void ShowMsgerror(const QString &text)
{
    showInformation(text);
}

bool Confirm(const QString &text)
{
    return ConfirmTitled(QString(), text);
}

void ShowMsgTitled(const QString &title, const QString &text)
{
    showInformation(text, title);
}

bool ConfirmTitled(const QString &title, const QString &text)
{
    MessageRequest request;
    request.icon = QMessageBox::Question;
    request.title = title;
    request.text = text;
    request.buttons = QMessageBox::Yes | QMessageBox::No;
    return MessageSeam::ask(request) == QMessageBox::Yes;
}
