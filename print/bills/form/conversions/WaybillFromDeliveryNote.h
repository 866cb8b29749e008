#pragma once

#include "bills/form/conversions/ConvertedBill.h"

#include <QSqlDatabase>
#include <QString>

// 转快递单: the waybill of a delivery note (出货单 row), found by its RefAutoid, else made in
// the given waybill format: the own company marked as default sender sends, the customer whose
// autoid is the note's 客户编号 receives (an empty or non-numeric number: no receiver), the
// note gives the receiver's name, address and telephone. One transaction; raises
// DatabaseError. The delivery note itself is not changed.
ConvertedBill WaybillOfDeliveryNote(const QSqlDatabase &db, qint64 shipId, const QString &waybillFormat);
