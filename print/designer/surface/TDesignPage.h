#pragma once

#include <QImage>
#include <QPoint>
#include <QWidget>

class QFrame;

// The page of the design surface: the template's picture at its own size, the field controls
// on it, and the dotted rectangle of a rubber band. A Shift + left press on the picture starts
// the band; the release with Shift held ends it.
class TDesignPage : public QWidget
{
    Q_OBJECT

public:
    explicit TDesignPage(QWidget *parent = nullptr);

    void setPicture(const QImage &picture);
    const QImage &picture() const { return m_picture; }
    bool rubberBandActive() const { return m_banding; }

signals:
    // A click on the picture (the release of a press there, inside the page).
    void clicked();
    // A band ended, from its start to the release point.
    void rubberBandDrawn(const QPoint &start, const QPoint &end);
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QImage m_picture;
    QFrame *m_band;
    bool m_banding = false;
    QPoint m_bandStart;
};
