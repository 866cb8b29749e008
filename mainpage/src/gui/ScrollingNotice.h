#pragma once

#include <QTimer>
#include <QWidget>

// A line of text that scrolls across its place; a click turns the direction round.
class ScrollingNotice : public QWidget
{
    Q_OBJECT

public:
    ScrollingNotice(const QString &text, QWidget *parent);

    QString text() const { return m_text; }
    bool scrollsLeft() const { return m_leftwards; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void step();

    QString m_text;
    QTimer m_timer;
    int m_offset = 0;
    bool m_leftwards = true;
};
