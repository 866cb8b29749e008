#pragma once

#include "FormSheet.h"

#include <QList>

// The default format of every built-in bill kind, main-page tab order.
QList<FormSheet> ShippedSheets();

// Each kind's sheet (BankSheets.cpp, TradeSheets.cpp).
FormSheet ChequeSheet();
FormSheet DepositSlipSheet();
FormSheet WireTransferSheet();
FormSheet CashSlipSheet();
FormSheet CollectionSheet();
FormSheet WaybillSheet();
FormSheet DeliveryNoteSheet();
FormSheet WarehouseReceiptSheet();
