#pragma once

#include <QImage>
#include <QWidget>

// A panel painted with a picture: stretched to its size, or tiled over its colour.
class BackdropWidget : public QWidget
{
public:
    enum class Fill { Stretch, Tile };

    BackdropWidget(const QImage &picture, Fill fill, const QColor &colour, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_picture;
    Fill m_fill;
    QColor m_colour;
};
