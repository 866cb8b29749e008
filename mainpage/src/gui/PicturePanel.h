#pragma once

#include <QImage>
#include <QTimer>
#include <QWidget>

// The white panel under the icons that shows the selected format's picture, fitted to its
// height. Holding the left mouse button on it asks for 10 pixels more height at once and every
// 200 ms, the right button for 10 pixels less, until the button is released.
class PicturePanel : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kStep = 10;
    static constexpr int kRepeatMs = 200;

    explicit PicturePanel(QWidget *parent);

    void setPicture(const QImage &picture);
    const QImage &picture() const { return m_picture; }
    // Where the picture stands now; empty without one.
    QRect pictureRect() const;
    const QTimer &stepTimer() const { return m_timer; }

Q_SIGNALS:
    void heightStepRequested(int step);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QImage m_picture;
    QTimer m_timer;
    int m_step = 0;
};
