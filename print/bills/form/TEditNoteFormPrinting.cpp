// The bill form's printing commands, handed to the print engine.
#include "bills/form/TEditNoteForm.h"

#include "bills/cheques/ChequePrintCheck.h"
#include "bills/form/BillFormData.h"
#include "gui/dialogs/PrinterSetupSeam.h"
#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/globals/PubDm.h"
#include "core/messages/WindowHandles.h"
#include "core/printfun/ParaSwitch.h"
#include "gui/dialogs/MessageSeam.h"

#include <memory>
#include <vector>

BillPrintEngine &TEditNoteForm::printEngine()
{
    if (!m_printEngine)
        m_printEngine = std::make_unique<BillPrintEngine>(connection(), this, HandleOf(this));
    return *m_printEngine;
}

// The batch's bills are read in one query and each page is laid out from its row; a bill
// that is gone prints as an empty one, as its reopening would show it.
void TEditNoteForm::printBatch(const QString &noteName)
{
    const QString &table = m_format.note.dataTableName;
    QStringList ids;
    for (qint64 id : std::as_const(arrBatchPrintid))
        ids.append(QString::number(id));
    DataSet bills;
    bills.setConnection(connection());
    bills.setSql(BillFormData::batchBillsStatement(table), {QStringLiteral("[%1]").arg(ids.join(u','))});
    bills.open();
    bills.fetchAll();
    DataSet none;
    none.setConnection(connection());
    none.setSql(BillFormData::noBillStatement(table));
    none.open();
    for (DataSet *set : {&bills, &none})
        for (const DataField *field : QueryHea->fields())
            if (DataField *same = set->findField(field->name()))
                same->setDisplayFormat(field->displayFormat());
    std::vector<std::unique_ptr<DataSet>> details;
    for (const DetailGrid &grid : std::as_const(m_grids)) {
        details.push_back(std::make_unique<DataSet>());
        details.back()->setConnection(connection());
        details.back()->setTag(grid.query->tag());
    }
    printEngine().printBatch(noteName, arrBatchPrintid, [&](qint64 billId) {
        BillData bill;
        bill.header = bills.locate(QStringLiteral("id"), billId) ? &bills : &none;
        const DataField *refNo = bill.header->findField(QStringLiteral("RefNo"));
        for (qsizetype i = 0; i < m_grids.size(); ++i) {
            details[i]->close();
            details[i]->setSql(BillFormData::detailRowsStatement(m_grids[i].table), {refNo ? refNo->asString() : QString()});
            details[i]->open();
            bill.details.append(details[i].get());
        }
        return bill;
    });
}

BillData TEditNoteForm::billData() const
{
    BillData bill;
    bill.header = QueryHea;
    for (const DetailGrid &grid : m_grids)
        bill.details.append(grid.query);
    return bill;
}

void TEditNoteForm::printBill(PrintAction action)
{
    const QSqlDatabase db = connection();
    const QString noteName = m_format.note.noteName;
    switch (action) {
    case PrintAction::Overlay: {
        const DataField *refNo = QueryHea->findField(QStringLiteral("RefNo"));
        if (!refNo || refNo->asString().trimmed().isEmpty()) {
            MessageRequest request;
            request.icon = QMessageBox::NoIcon;
            request.text = QStringLiteral("空单据不能打印");
            MessageSeam::ask(request);
            return;
        }
        if (!PrinterSetupSeam::ask(this))
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
        printBatch(noteName);
        return;
    case PrintAction::Report:
        FrPrintBtnClick();
        return;
    }
}
