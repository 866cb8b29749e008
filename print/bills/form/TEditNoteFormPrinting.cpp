// The bill form's printing commands, handed to the print engine.
#include "bills/form/TEditNoteForm.h"

#include "bills/cheques/ChequePrintCheck.h"
#include "bills/form/BatchBills.h"
#include "bills/form/BillFormData.h"
#include "bills/printing/CategoryFormats.h"
#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/globals/PubDm.h"
#include "core/messages/WindowHandles.h"
#include "core/printfun/ParaSwitch.h"
#include "gui/dialogs/PrinterSetupSeam.h"
#include "gui/dialogs/MessageSeam.h"

#include <QMenu>
#include <QPushButton>

#include <memory>
#include <vector>

BillPrintEngine &TEditNoteForm::printEngine()
{
    if (!m_printEngine)
        m_printEngine = std::make_unique<BillPrintEngine>(connection(), this, HandleOf(this));
    return *m_printEngine;
}

// The batch's bills are read a block at a time, headers in one query and each grid's detail
// rows in one more, and each page is laid out from the rows in memory; a bill that is gone
// prints as an empty one, as its reopening would show it.
void TEditNoteForm::printBatch(const QString &noteName)
{
    QList<BatchBills::Grid> grids;
    for (const DetailGrid &grid : std::as_const(m_grids))
        grids.append({grid.table, grid.query->tag()});
    BatchBills bills(connection(), m_format.note.dataTableName, grids, *QueryHea, arrBatchPrintid);
    qsizetype next = 0;
    // The engine asks for the bills in the order of the ids, once each.
    printEngine().printBatch(noteName, arrBatchPrintid, [&](qint64) { return bills.bill(next++); });
    // As when each bill is opened in turn, the form is left on the last one.
    if (!arrBatchPrintid.isEmpty())
        OpenMainTable(arrBatchPrintid.last());
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
    const DataField *refNo = QueryHea->isActive() ? QueryHea->findField(QStringLiteral("RefNo")) : nullptr;
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
    switch (action) {
    case PrintAction::Overlay: {
        if (refuseEmptyBill())
            return;
        [[fallthrough]];
    }
    case PrintAction::Preview: {
        const QStringList formats = CategoryFormats(connection(), m_format.note.noteName);
        if (formats.size() > 1)
            showFormatMenu(action, formats);
        else
            printWithFormat(action, m_format.note.noteName, true);
        return;
    }
    case PrintAction::PreviewPrint:
        if (printEngine().followFormatPaper(printEngine().lastPrintedFormat()))
            printEngine().printOnPaper(printEngine().lastPrintedFormat(), billData());
        return;
    case PrintAction::Batch:
        printBatch(m_format.note.noteName);
        return;
    case PrintAction::Report:
        FrPrintBtnClick();
        return;
    }
}

// Every format of the category, the open one included; nothing prints until one is chosen.
void TEditNoteForm::showFormatMenu(PrintAction action, const QStringList &formats)
{
    delete PopupMenuPrint;
    PopupMenuPrint = new QMenu(this);
    PopupMenuPrint->setObjectName(QStringLiteral("PopupMenuPrint"));
    for (const QString &name : formats) {
        QAction *item = PopupMenuPrint->addAction(name);
        item->setData(name);
        connect(item, &QAction::triggered, this, [this, action, name] { printWithFormat(action, name, false); });
    }
    QPushButton *button = action == PrintAction::Preview ? PreviewFlatButton : BtnPrint;
    PopupMenuPrint->popup(button->mapToGlobal(QPoint(5, button->height())));
}

// The paper follows the format before the printer dialog shows; the cheque number is checked
// and the bill saved (direct path only, when the switch says so) before anything is drawn.
void TEditNoteForm::printWithFormat(PrintAction action, const QString &noteName, bool autoSave)
{
    const QSqlDatabase db = connection();
    if (action == PrintAction::Overlay && (!printEngine().followFormatPaper(noteName) || !PrinterSetupSeam::ask(this)))
        return;
    if (!WriteCheckNoStatus(db, noteName, *QueryHea))
        return;
    if (autoSave && ParaSwitchIsOn(db, QStringLiteral("打印时是否自动保存")) && QueryHea->isEditing())
        btnSaveClick();
    if (action == PrintAction::Preview)
        printEngine().preview(noteName, billData());
    else
        printEngine().printOnPaper(noteName, billData());
}
