#pragma once

#include <QList>
#include <QPointer>
#include <QString>

class QLabel;
class QWidget;

// While it lives: the busy label shows its text, the buttons are disabled and the cursor is the
// hourglass. Work runs in the interface thread, so the label is painted at once.
class BusyScope
{
public:
    BusyScope(QLabel *label, const QString &text, const QList<QWidget *> &buttons);
    ~BusyScope();

    BusyScope(const BusyScope &) = delete;
    BusyScope &operator=(const BusyScope &) = delete;

private:
    QPointer<QLabel> m_label;
    QList<QPointer<QWidget>> m_buttons;
};
