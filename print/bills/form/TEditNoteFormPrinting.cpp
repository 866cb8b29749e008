// The bill form's printing commands, handed to the print engine.
#include "bills/form/TEditNoteForm.h"

#include "bills/cheques/ChequePrintCheck.h"
#include "gui/dialogs/PrinterSetupSeam.h"
#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/globals/PubDm.h"
#include "core/messages/WindowHandles.h"
#include "core/printfun/ParaSwitch.h"
#include "gui/dialogs/MessageSeam.h"

BillPrintEngine &TEditNoteForm::printEngine()
{
    if (!m_printEngine)
        m_printEngine = std::make_unique<BillPrintEngine>(connection(), this, HandleOf(this));
    return *m_printEngine;
}

BillData TEditNoteForm::billData() const
{
    BillData bill;
    bill.header = QueryHea;
    for (const DetailGrid &grid : m_grids)
        bill.details.append(grid.query);
    return bill;
}

bool TEditNoteForm::refuseEmptyBill()
{
    const DataField *refNo = QueryHea->findField(QStringLiteral("RefNo"));
    if (refNo && !refNo->asString().trimmed().isEmpty())
        return false;
    MessageRequest request;
    request.icon = QMessageBox::NoIcon;
    request.text = QStringLiteral("空单据不能打印");
    MessageSeam::ask(request);
    return true;
}

void TEditNoteForm::printBill(PrintAction action)
{
    const QSqlDatabase db = connection();
    const QString noteName = m_format.note.noteName;
    switch (action) {
    case PrintAction::Overlay: {
        if (refuseEmptyBill() || !PrinterSetupSeam::ask(this))
            return;
        [[fallthrough]];
    }
    case PrintAction::Preview: {
        if (!WriteCheckNoStatus(db, noteName, *QueryHea))
            return;
        if (ParaSwitchIsOn(db, QStringLiteral("打印时是否自动保存")) && QueryHea->isEditing())
            btnSaveClick();
        if (action == PrintAction::Preview)
            printEngine().preview(noteName, billData());
        else
            printEngine().printOnPaper(noteName, billData());
        return;
    }
    case PrintAction::PreviewPrint:
        printEngine().printOnPaper(printEngine().lastPrintedFormat(), billData());
        return;
    case PrintAction::Batch:
        printEngine().printBatch(noteName, arrBatchPrintid, [this](qint64 billId) {
            OpenMainTable(billId);
            return billData();
        });
        return;
    case PrintAction::Report:
        FrPrintBtnClick();
        return;
    }
}
