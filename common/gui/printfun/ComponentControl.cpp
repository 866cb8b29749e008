#include "gui/printfun/ComponentControl.h"

#include "core/printfun/MoveZone.h"

#include <QEventLoop>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>

namespace {

// Follows the grabbed mouse and reshapes the control until the left button comes up.
class ZoneDrag : public QObject
{
public:
    ZoneDrag(QWidget *control, MoveZoneCode zone, const QPoint &startGlobal)
        : m_control(control), m_zone(zone), m_start(control->geometry()), m_startGlobal(startGlobal)
    {
    }

    void run()
    {
        m_control->installEventFilter(this);
        m_control->grabMouse(m_control->cursor());
        connect(m_control, &QObject::destroyed, &m_loop, &QEventLoop::quit);
        m_loop.exec();
        if (m_control) {
            m_control->releaseMouse();
            m_control->removeEventFilter(this);
        }
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != m_control)
            return false;
        switch (event->type()) {
        case QEvent::MouseMove: {
            auto *mouse = static_cast<QMouseEvent *>(event);
            if (!(mouse->buttons() & Qt::LeftButton)) {
                m_loop.quit();
                return true;
            }
            const QPoint delta = mouse->globalPosition().toPoint() - m_startGlobal;
            m_control->setGeometry(DraggedGeometry(m_start, m_zone, delta));
            return true;
        }
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
                m_loop.quit();
            return true;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            return true;
        default:
            return false;
        }
    }

private:
    QPointer<QWidget> m_control;
    MoveZoneCode m_zone;
    QRect m_start;
    QPoint m_startGlobal;
    QEventLoop m_loop;
};

} // namespace

void ComponentControl(QWidget *control, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int x, int y,
                      int margin)
{
    const MoveZoneCode zone = MoveZoneAt(x, y, control->width(), control->height(), margin);
    control->setCursor(MoveZoneCursor(zone));
    if (buttons != Qt::LeftButton || modifiers != Qt::NoModifier || zone == ZoneNone)
        return;
    ZoneDrag drag(control, zone, control->mapToGlobal(QPoint(x, y)));
    drag.run();
}
