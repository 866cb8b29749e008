#include "MessageScript.h"

#include <QStringList>

namespace {
const MessageScript *g_answering = nullptr;
}

MessageScript::MessageScript()
{
    g_answering = this;
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
    if (g_answering != this)
        return;
    g_answering = nullptr;
    MessageSeam::setHandler({});
}

QStringList MessageScript::texts() const
{
    QStringList result;
    for (const MessageRequest &request : m_shown)
        result.append(request.text);
    return result;
}
