#include "core/dbfun/TableFieldChange.h"

#include "core/dataset/DataSet.h"
#include "core/dbfun/BillColumns.h"
#include "core/dbfun/BillFieldFill.h"

void TableFieldChange(DataSet &dataSet, const QString &table, DataField *changed)
{
    if (changed && FieldChange)
        BillFieldFill(dataSet.connection(), table).fieldChanged(dataSet, changed);
}
