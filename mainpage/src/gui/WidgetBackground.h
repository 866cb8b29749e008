#pragma once

#include <QColor>
#include <QPalette>
#include <QWidget>

// Fills the widget's background with one colour.
inline void FillBackground(QWidget *widget, const QColor &colour)
{
    widget->setAutoFillBackground(true);
    QPalette colours = widget->palette();
    colours.setColor(QPalette::Window, colour);
    widget->setPalette(colours);
}
