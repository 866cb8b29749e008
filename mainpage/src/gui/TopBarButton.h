#pragma once

#include "pictures/MainPagePictures.h"

#include <QWidget>

// A button of the main page's top bar: a 32 x 32 picture over its caption, white on the bar.
class TopBarButton : public QWidget
{
    Q_OBJECT

public:
    TopBarButton(const QString &caption, PageGlyph glyph, int width, QWidget *parent);

    QString caption() const { return m_caption; }

Q_SIGNALS:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QString m_caption;
    PageGlyph m_glyph;
    bool m_hovered = false;
    bool m_pressed = false;
};
