#pragma once

#include <QColor>
#include <QPainter>
#include <QRect>
#include <QString>

// Draws the printed parts of a paper form (rules, boxes, captions) in the form's ink.
class FormCanvas
{
public:
    FormCanvas(QPainter &painter, const QColor &ink);

    void frame(const QRect &rect, qreal width = 1.6);
    void hLine(int y, int x1, int x2, qreal width = 1);
    void vLine(int x, int y1, int y2, qreal width = 1);
    void dashedVLine(int x, int y1, int y2);
    // Text in a rectangle; size in pixels.
    void text(const QRect &rect, const QString &text, int size = 14, int flags = Qt::AlignCenter, bool bold = false);
    // Characters stacked top to bottom, for the narrow caption columns of bank forms.
    void stackedText(const QRect &rect, const QString &text, int size = 14);
    void title(const QRect &rect, const QString &text, int size = 26);
    // `count` equal cells side by side.
    void cells(const QRect &rect, int count);
    // The place names of an amount of `count` cells (…千百十元角分), one per cell.
    void placeNames(const QRect &rect, int count, int size = 12);
    // A caption followed by the rule a value is written on; gives the rule's rectangle.
    QRect underlined(const QRect &rect, const QString &caption, int captionWidth, int size = 14);

private:
    QPainter &m_painter;
    QColor m_ink;
};
