#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

class QDialog;

// Drives the next modal dialog while the code that opened it waits in exec(): once the dialog
// is up the script runs on it; a dialog the script left open is then closed, so no test hangs.
class ModalScript : public QObject
{
public:
    explicit ModalScript(std::function<void(QDialog &)> script);

    bool ran() const { return m_ran; }
    bool leftOpen() const { return m_leftOpen; }

private:
    void poll();

    std::function<void(QDialog &)> m_script;
    QTimer m_timer;
    bool m_ran = false;
    bool m_leftOpen = false;
};
