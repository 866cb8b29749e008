// The bill form's 打印: the bill handed to the report list for a free-form report.
#include "bills/form/TEditNoteForm.h"

#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/globals/PubDm.h"
#include "gui/dialogs/MessageBoxes.h"
#include "gui/report/TRepListForm.h"

void TEditNoteForm::FrPrintBtnClick()
{
    const DataField *refNo = QueryHea->isActive() ? QueryHea->findField(QStringLiteral("RefNo")) : nullptr;
    if (!refNo || refNo->asString().trimmed().isEmpty()) {
        ShowMsgHint(QStringLiteral("空单据不能打印"));
        return;
    }
    // Every stock kind prints through the one list, under the same names.
    sToPrintFormName = QStringLiteral("出货单打印");
    arrToPrintDataSet = {QueryHea};
    arrToPrintDataSetAlias = {QStringLiteral("出货单")};
    if (!m_grids.isEmpty()) {
        arrToPrintDataSet.append(m_grids.first().query);
        arrToPrintDataSetAlias.append(QStringLiteral("出货单明细"));
    }
    {
        TRepListForm list(this);
        list.exec();
    }
    // The data sets belong to this form: no pointer to them outlives the report run.
    arrToPrintDataSet.clear();
}
