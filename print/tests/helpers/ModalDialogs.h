#pragma once

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <memory>

// While it lives, runs `act` on each modal dialog of class Dialog as soon as it shows (the
// dialog's own event loop polls for it) and hides the dialog afterwards if it is still open, so
// that a failed check never leaves a test waiting.
template <class Dialog>
class ModalWatch
{
public:
    explicit ModalWatch(std::function<void(Dialog *)> act) : m_timer(std::make_unique<QTimer>())
    {
        m_timer->setInterval(5);
        QObject::connect(m_timer.get(), &QTimer::timeout, m_timer.get(), [this, act = std::move(act)] {
            QPointer<Dialog> dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget());
            if (!dialog || m_handled.contains(QPointer<QObject>(dialog.data())))
                return;
            m_handled.append(dialog.data());
            ++m_seen;
            act(dialog);
            if (dialog && dialog->isVisible())
                dialog->hide();
        });
        m_timer->start();
    }

    int seen() const { return m_seen; }

private:
    std::unique_ptr<QTimer> m_timer;
    QList<QPointer<QObject>> m_handled;  // freed dialogs turn null: a later one at the same address counts
    int m_seen = 0;
};
