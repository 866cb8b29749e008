#include "bills/form/layout/PageNudgeKeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QWidget>

#include <optional>

namespace {

std::optional<NudgeDirection> directionOf(const QKeyEvent &key)
{
    if ((key.modifiers() & ~Qt::KeypadModifier) != Qt::ControlModifier)
        return std::nullopt;
    switch (key.key()) {
    case Qt::Key_Left:
        return NudgeDirection::Left;
    case Qt::Key_Right:
        return NudgeDirection::Right;
    case Qt::Key_Up:
        return NudgeDirection::Up;
    case Qt::Key_Down:
        return NudgeDirection::Down;
    default:
        return std::nullopt;
    }
}

} // namespace

PageNudgeKeys::PageNudgeKeys(QWidget *form) : QObject(form), m_form(form)
{
    qApp->installEventFilter(this);
}

PageNudgeKeys::~PageNudgeKeys()
{
    qApp->removeEventFilter(this);
}

bool PageNudgeKeys::isActive() const
{
    if (!m_form || !m_form->isVisible() || QApplication::activeModalWidget() || QApplication::activePopupWidget())
        return false;
    if (m_form->window() != QApplication::activeWindow())
        return false;
    // Inside the main window: only while this screen is the active one of its area.
    for (QWidget *parent = m_form->parentWidget(); parent; parent = parent->parentWidget()) {
        if (auto *sub = qobject_cast<QMdiSubWindow *>(parent))
            return sub->mdiArea() && sub->mdiArea()->activeSubWindow() == sub;
    }
    return true;
}

bool PageNudgeKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
        return false;
    auto *target = qobject_cast<QWidget *>(watched);
    const auto *key = static_cast<QKeyEvent *>(event);
    const std::optional<NudgeDirection> direction = directionOf(*key);
    if (!direction || !target || !m_form || target->window() != m_form->window() || !isActive())
        return false;
    if (event->type() == QEvent::ShortcutOverride) {
        // Keeps the key from any shortcut; the press that follows is taken below.
        event->accept();
        return true;
    }
    Q_EMIT nudged(*direction);
    return true;
}
