#pragma once

#include <Qt>

class QWidget;

// Mouse handling of a field control on the design surface: sets the control's cursor for the
// zone under (x, y) (control coordinates, `margin` wide edges) and, when the left button alone
// is down without a modifier key, moves or resizes the control with the mouse until the button
// is released. Returns after the release, so the caller reads the final geometry.
void ComponentControl(QWidget *control, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int x, int y,
                      int margin);
