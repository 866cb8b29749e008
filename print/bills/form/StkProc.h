#pragma once

#include <QSqlDatabase>
#include <QString>

// Audit (sign +1) and re-check (sign -1) of a bill: Flag becomes the sign. Delivery notes (送货单)
// take their quantities out of 商品库存 on audit and put them back on re-check, warehouse
// receipts (进仓单) the opposite; every line is booked to the warehouse of the bill's first
// line, all in one transaction. Returns false, with nothing changed, when the booking fails.
// Other kinds only set the flag of their kind's table; a database error there raises.
bool PostNote(const QSqlDatabase &db, const QString &baseKind, const QString &refNo, int sign);
