#pragma once

#include <QString>

// The printed form of a field's text by its CtlType (compared in upper case, blanks around
// ignored): YY the last two characters, Y the last one, RMB "人民币" before it, $ "￥" before
// it; anything else leaves the text as it is.
QString ApplyTextForm(const QString &text, const QString &textForm);
