#pragma once

#include "gui/dialogs/MessageSeam.h"

#include <QList>

// Answers every message box while it lives and records what was shown. Boxes are answered from
// the queue of answers; when it is empty the default answer is used (Ok, or Yes for a
// question). The newest script answers; an older one going later (a fixture replaced before
// its cleanup ran) leaves the newer one answering, so that no box waits on the screen.
class MessageScript
{
public:
    MessageScript();
    ~MessageScript();

    void answer(QMessageBox::StandardButton button) { m_answers.append(button); }
    const QList<MessageRequest> &shown() const { return m_shown; }
    QStringList texts() const;
    QString lastText() const { return m_shown.isEmpty() ? QString() : m_shown.last().text; }
    void clear() { m_shown.clear(); }

private:
    QList<QMessageBox::StandardButton> m_answers;
    QList<MessageRequest> m_shown;
};
