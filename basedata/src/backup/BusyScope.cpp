#include "backup/BusyScope.h"

#include <QApplication>
#include <QLabel>

BusyScope::BusyScope(QLabel *label, const QString &text, const QList<QWidget *> &buttons) : m_label(label)
{
    for (QWidget *button : buttons) {
        button->setEnabled(false);
        m_buttons.append(button);
    }
    label->setText(text);
    label->show();
    label->repaint();
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

BusyScope::~BusyScope()
{
    QApplication::restoreOverrideCursor();
    if (m_label)
        m_label->hide();
    for (const QPointer<QWidget> &button : m_buttons)
        if (button)
            button->setEnabled(true);
}
