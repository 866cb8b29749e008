#include "bills/form/BillSave.h"

#include "core/dataset/DataSet.h"
#include "core/db/Transaction.h"

bool SaveBill(const QSqlDatabase &db, DataSet &header, const QList<DataSet *> &details)
{
    Transaction transaction(db);
    for (DataSet *detail : details) {
        if (detail->isEditing() && !detail->post())
            return false;
        detail->applyUpdates();
    }
    if (header.isEditing() && !header.post())
        return false;
    transaction.commit();
    return true;
}
