#pragma once

#include "core/globals/WindowHandle.h"

#include <QSqlDatabase>

class QWidget;

// Shows the product editor modally on the Bs_ProdList row with that autoid (-1: a new row).
// After each save the window notifyWindow is sent "刷新商品资料" with the saved autoid.
void ProductEdit(const QSqlDatabase &db, THandle notifyWindow, QWidget *owner, qint64 autoid);
