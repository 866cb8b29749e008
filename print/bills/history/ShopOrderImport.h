#pragma once

#include "bills/history/ShopOrderFile.h"

#include <QDate>
#include <QList>
#include <QSqlDatabase>

#include <functional>

// What an order import did: the orders the file held and the RefNos of the waybills made.
struct ShopOrderImport
{
    int ordersRead = 0;
    QList<qint64> refNos;
};

// Makes one waybill (table 快递单) of the kind's default format for every order whose number is
// neither in the table nor earlier in the file, with the own default sender company, all in one
// transaction. progress(i, n) is told before each order. Raises SheetImportError when the file
// has no 订单编号 column, when no default waybill format exists ("没有定义默认的快递单",
// reason NoDefaultFormat) or when an order cannot be written (nothing stays written; the message
// names the order's line and the column).
ShopOrderImport ImportShopOrders(const QSqlDatabase &db, const ShopOrderFile &file, const QDate &today,
                                 const std::function<void(int, int)> &progress = {});
