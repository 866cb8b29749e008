#pragma once

#include <QColor>

class QWidget;

// The light grey of buttons, panels and grid titles on every form.
inline const QColor FormFaceColor(0xF6, 0xF5, 0xF5);

// Applies the common colour scheme to the widgets of a form: buttons and panels in the face
// colour, grid titles in it too with the data area in the system colours, labels transparent
// in the system text colour (except the one named "TitleLabel").
void SetFormColor(QWidget *form);
