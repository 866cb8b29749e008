#pragma once

#include "bills/printing/BillData.h"
#include "bills/printing/PrintItem.h"
#include "bills/printing/PrintTemplate.h"

#include <QList>

// The texts of one bill on its template, in picture pixels: the printed fields of the page in
// Ctlx order (a grid where it stands, its rows from the top at the grid's row step, rows past
// GridLineNum continuing below the box). Empty texts are left out. Raises the data set's error
// when a grid column names no column of its detail rows.
QList<PrintItem> LayOutBill(const PrintTemplate &tpl, const BillData &bill);
