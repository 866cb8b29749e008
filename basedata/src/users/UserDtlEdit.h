#pragma once

#include "core/globals/WindowHandle.h"

#include <QSqlDatabase>

class QWidget;

// Shows the user editor modally on the Bs_User row with that autoid (-1: a new account).
// After each save the window notifyWindow is sent "刷新用户资料" with the saved autoid.
void UserDtlEdit(const QSqlDatabase &db, THandle notifyWindow, QWidget *owner, qint64 autoid);
