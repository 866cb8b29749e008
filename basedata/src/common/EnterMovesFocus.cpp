#include "common/EnterMovesFocus.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {
bool keepsEnter(const QWidget *focused)
{
    if (const auto *combo = qobject_cast<const QComboBox *>(focused))
        return combo->isEditable();
    return qobject_cast<const QLineEdit *>(focused) || qobject_cast<const QAbstractSpinBox *>(focused) ||
           qobject_cast<const QPlainTextEdit *>(focused) || qobject_cast<const QTextEdit *>(focused) ||
           qobject_cast<const QAbstractButton *>(focused);
}
}

bool EnterMovesFocus(const QWidget *form, const QKeyEvent *event)
{
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter)
        return false;
    const QWidget *focused = QApplication::focusWidget();
    return focused && form->isAncestorOf(focused) && !keepsEnter(focused);
}
