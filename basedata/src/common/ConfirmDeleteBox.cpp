#include "common/ConfirmDeleteBox.h"

#include "gui/dialogs/MessageSeam.h"

bool ConfirmDeleteBox()
{
    MessageRequest request;
    request.icon = QMessageBox::Question;
    request.title = QStringLiteral("确认");
    request.text = QStringLiteral("确认删除？");
    request.buttons = QMessageBox::Ok | QMessageBox::Cancel;
    request.defaultButton = QMessageBox::Ok;
    return MessageSeam::ask(request) == QMessageBox::Ok;
}
