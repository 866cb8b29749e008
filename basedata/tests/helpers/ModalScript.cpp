#include "ModalScript.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>

ModalScript::ModalScript(std::function<void(QDialog &)> script) : m_script(std::move(script))
{
    m_timer.setInterval(10);
    connect(&m_timer, &QTimer::timeout, this, &ModalScript::poll);
    m_timer.start();
}

void ModalScript::poll()
{
    QPointer<QDialog> dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
    if (!dialog)
        return;
    m_timer.stop();
    m_ran = true;
    m_script(*dialog);
    if (dialog && dialog->isVisible()) {
        m_leftOpen = true;
        dialog->done(QDialog::Rejected);
    }
}
