#include "designer/surface/DesignerHotKeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>

DesignerHotKeys::DesignerHotKeys(QWidget *screen, Handler handler, QObject *parent)
    : QObject(parent), m_screen(screen), m_handler(std::move(handler))
{
    qApp->installEventFilter(this);
}

DesignerHotKeys::~DesignerHotKeys()
{
    qApp->removeEventFilter(this);
}

bool DesignerHotKeys::isHotKey(int key, Qt::KeyboardModifiers modifiers)
{
    modifiers &= ~Qt::KeypadModifier;
    const bool arrow = key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
    if (modifiers == Qt::ShiftModifier)
        return arrow;
    if (modifiers != Qt::ControlModifier)
        return false;
    return arrow || key == Qt::Key_Delete || key == Qt::Key_Q || key == Qt::Key_P || key == Qt::Key_O
           || key == Qt::Key_W || key == Qt::Key_R;
}

bool DesignerHotKeys::active() const
{
    if (!m_screen || !m_screen->isVisible() || QApplication::activeModalWidget())
        return false;
    if (m_screen->window() != QApplication::activeWindow())
        return false;
    // Inside the main window the designer must also be the active screen.
    for (QWidget *up = m_screen; up; up = up->parentWidget()) {
        if (auto *sub = qobject_cast<QMdiSubWindow *>(up))
            return sub->mdiArea() && sub->mdiArea()->activeSubWindow() == sub;
    }
    return true;
}

bool DesignerHotKeys::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride)
        return QObject::eventFilter(watched, event);
    // The window system's window sees the key before the widget: act on the widget's copy,
    // whose propagation ends here.
    if (!watched->isWidgetType())
        return QObject::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    if (!isHotKey(key->key(), key->modifiers()) || !active())
        return QObject::eventFilter(watched, event);
    if (type == QEvent::ShortcutOverride) {
        // Keeps menu shortcuts and the focused editor from taking the key first.
        event->accept();
        return true;
    }
    m_handler(key->key(), key->modifiers() & ~Qt::KeypadModifier);
    return true;
}
