#pragma once

#include <QString>

// The message boxes every screen uses. The three showing routines look alike; callers pick
// them by the meaning of the text.
void ShowMsgHint(const QString &text);
void ShowMsgWarn(const QString &text);
void ShowMsgerror(const QString &text);

// Yes/No question; true only for Yes (closing the box answers No).
bool Confirm(const QString &text);

// The same under a title of the caller's own (the program's name otherwise).
void ShowMsgTitled(const QString &title, const QString &text);
bool ConfirmTitled(const QString &title, const QString &text);
