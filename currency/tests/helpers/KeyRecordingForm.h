#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <QWidget>

// A form for driving a control: records the keys that reach it (shift keys aside) and
// whatever else a test appends, in order, and holds a second focusable widget to move the
// focus to.
class KeyRecordingForm : public QWidget
{
public:
    QStringList events;
    QWidget *other = new QWidget(this);

    KeyRecordingForm()
    {
        resize(300, 100);
        other->setGeometry(10, 50, 50, 20);
        other->setFocusPolicy(Qt::StrongFocus);
    }

    // Shows the form as the active window with the focus on `other`.
    bool showActive()
    {
        show();
        QApplication::setActiveWindow(this);
        if (!QTest::qWaitForWindowActive(this))
            return false;
        other->setFocus();
        return other->hasFocus();
    }

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if (event->key() != Qt::Key_Control && event->key() != Qt::Key_Shift)
            events << QStringLiteral("form key %1").arg(event->key());
        event->accept();
    }
};
