#include "mainwindow/ModalShow.h"

#include <QEvent>
#include <QEventLoop>
#include <QPointer>
#include <QWidget>

namespace {

// Ends the local loop when the watched window is hidden.
class HideWatcher : public QObject
{
public:
    explicit HideWatcher(QEventLoop &loop) : m_loop(loop) {}

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Hide)
            m_loop.quit();
        return QObject::eventFilter(watched, event);
    }

private:
    QEventLoop &m_loop;
};

} // namespace

void ShowModal(QWidget *form)
{
    QPointer<QWidget> guarded(form);
    form->setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    HideWatcher watcher(loop);
    form->installEventFilter(&watcher);
    QObject::connect(form, &QObject::destroyed, &loop, &QEventLoop::quit);
    form->show();
    if (guarded && guarded->isVisible())
        loop.exec(QEventLoop::DialogExec);
    if (guarded)
        guarded->removeEventFilter(&watcher);
}
