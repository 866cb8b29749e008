#include "ShippedSheets.h"

QList<FormSheet> ShippedSheets()
{
    return {ChequeSheet(),  DepositSlipSheet(), WireTransferSheet(),  CashSlipSheet(),
            CollectionSheet(), WaybillSheet(),  DeliveryNoteSheet(), WarehouseReceiptSheet()};
}
