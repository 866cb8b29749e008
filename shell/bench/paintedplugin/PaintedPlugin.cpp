// A generic plugin for the start-up benchmark: loaded by QT_QPA_GENERIC_PLUGINS=quilletpainted
// into the real program and into the bare dialog alike, it ends the process as soon as the first
// window has been painted, so both figures run from the process start to a painted dialog.
#include <QApplication>
#include <QEvent>
#include <QGenericPlugin>
#include <QWidget>

#include <cstdio>
#include <unistd.h>

namespace {

class FirstPaint : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType() && static_cast<QWidget *>(watched)->isWindow()
            && !m_done) {
            m_done = true;
            const QByteArray name = watched->metaObject()->className();
            // After the paint event is done: the window's pixels are in its backing store.
            QMetaObject::invokeMethod(
                qApp,
                [name] {
                    std::printf("painted %s\n", name.constData());
                    std::fflush(stdout);
                    ::_exit(0);
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    bool m_done = false;
};

} // namespace

class PaintedPlugin : public QGenericPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "paintedplugin.json")

public:
    QObject *create(const QString &, const QString &) override
    {
        auto *filter = new FirstPaint;
        qApp->installEventFilter(filter);
        return filter;
    }
};

#include "PaintedPlugin.moc"
