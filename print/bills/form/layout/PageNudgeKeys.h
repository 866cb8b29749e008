#pragma once

#include "bills/form/layout/PageOffset.h"

#include <QObject>
#include <QPointer>

class QWidget;

// Ctrl+arrow nudges of a bill form's page. The filter watches the program's key presses but
// acts only while its form is the active screen of the active window and no modal dialog or
// pop-up is open; a key it takes never reaches the focused control, whose text and cursor stay
// as they are. Keys of other programs are never grabbed.
class PageNudgeKeys : public QObject
{
    Q_OBJECT

public:
    explicit PageNudgeKeys(QWidget *form);
    ~PageNudgeKeys() override;

    bool isActive() const;

Q_SIGNALS:
    void nudged(NudgeDirection direction);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<QWidget> m_form;
};
