#include "MessageScript.h"

#include <QStringList>

MessageScript::MessageScript()
{
    MessageSeam::setHandler([this](const MessageRequest &request) {
        m_shown.append(request);
        if (!m_answers.isEmpty())
            return m_answers.takeFirst();
        if (request.buttons.testFlag(QMessageBox::Yes))
            return QMessageBox::Yes;
        return QMessageBox::Ok;
    });
}

MessageScript::~MessageScript()
{
    MessageSeam::setHandler({});
}

QStringList MessageScript::texts() const
{
    QStringList result;
    for (const MessageRequest &request : m_shown)
        result.append(request.text);
    return result;
}
