#include "bills/form/BillSave.h"

#include "core/dataset/DataSet.h"
#include "core/db/Transaction.h"

bool SaveBill(const QSqlDatabase &db, DataSet &header, const QList<DataSet *> &details)
{
    Transaction transaction(db);
    for (DataSet *detail : details) {
        // A new line nothing was typed into is no line of the bill.
        if (detail->state() == DataSet::State::Insert && !detail->isModified())
            detail->cancel();
        else if (detail->isEditing() && !detail->post())
            return false;
        detail->applyUpdates();
    }
    if (header.isEditing() && !header.post())
        return false;
    transaction.commit();
    return true;
}
