#pragma once

class QKeyEvent;
class QWidget;

// Whether the key is an Enter or Return that should move the focus on like Tab: always, unless
// the focused control is an edit box or a button (they keep their own meaning of Enter). A
// form asks it in its keyPressEvent, which sees the keys its controls leave alone, and then
// calls focusNextChild().
bool EnterMovesFocus(const QWidget *form, const QKeyEvent *event);
