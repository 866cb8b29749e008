#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>

// The designer's hot keys: Ctrl or Shift with an arrow, Ctrl+Delete, Ctrl+Q, Ctrl+P, Ctrl+O,
// Ctrl+W and Ctrl+R. An application event filter takes them only while the designer's screen
// is the active screen of the active window and no modal dialog is open; any other window,
// screen or program keeps its keys.
class DesignerHotKeys : public QObject
{
    Q_OBJECT

public:
    using Handler = std::function<void(int key, Qt::KeyboardModifiers modifiers)>;

    // `screen`: the widget whose activity counts (the designer screen, or a test host).
    DesignerHotKeys(QWidget *screen, Handler handler, QObject *parent = nullptr);
    ~DesignerHotKeys() override;

    void setScreen(QWidget *screen) { m_screen = screen; }
    // Whether a key press of `key` with `modifiers` would act now.
    bool active() const;
    static bool isHotKey(int key, Qt::KeyboardModifiers modifiers);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<QWidget> m_screen;
    Handler m_handler;
};
