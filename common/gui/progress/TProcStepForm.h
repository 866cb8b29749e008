#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;

// The small always-on-top wait window with a progress bar. It shows itself without a modal
// loop: the caller keeps working and calls IncStep between pieces of work; each step repaints at
// once so the text and bar are visible while no events are processed.
class TProcStepForm : public QWidget
{
    Q_OBJECT

public:
    explicit TProcStepForm(QWidget *owner = nullptr);

    void SetMax(int maximum);
    void StartShow();
    void IncStep(const QString &text);
    void EndShow();

    bool isBusy() const { return m_busy; }
    int position() const;
    int maximum() const;
    QString stepText() const;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QLabel *m_stepLabel;
    QProgressBar *m_progressBar;
    bool m_busy = false;
};
