// Bills made from the bill shown: 转进账单 / 转支票, 复制 and 转快递单.
#include "bills/form/TEditNoteForm.h"

#include "bills/form/conversions/BankBillConversion.h"
#include "bills/form/conversions/BillCopy.h"
#include "bills/form/conversions/WaybillFromDeliveryNote.h"
#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/errors/CorvaneError.h"
#include "core/printfun/NoteLookup.h"
#include "gui/dialogs/MessageBoxes.h"
#include "gui/dialogs/MessageSeam.h"

#include <QPushButton>

namespace {

void tell(const QString &title, const QString &text)
{
    MessageRequest request;
    request.icon = QMessageBox::Information;
    request.title = title;
    request.text = text;
    MessageSeam::ask(request);
}

} // namespace

bool TEditNoteForm::hasBillRow() const
{
    return QueryHea->isActive() && !QueryHea->isEmpty() && !QueryHea->isEditing();
}

qint64 TEditNoteForm::currentBillId() const
{
    const DataField *id = QueryHea->isActive() ? QueryHea->findField(QStringLiteral("id")) : nullptr;
    return id ? id->asInteger() : 0;
}

// Shows a bill in its own format; the list of the kind is read again.
void TEditNoteForm::showConvertedBill(const ConvertedBill &bill)
{
    if (bill.noteName.compare(m_format.note.noteName, Qt::CaseInsensitive) == 0) {
        OpenMainTable(bill.id);
        reopenSavedBills();
    } else {
        CreateEditForm(bill.noteName, false, bill.id, false, true);
    }
    RefreshQueryForm();
}

void TEditNoteForm::ConvertButtonClick()
{
    if (!hasBillRow()) {
        ShowMsgHint(QStringLiteral("数据表不能为空"));
        return;
    }
    const bool toSlip = ConvertButton->property("convertKind").toInt() == 1;
    const QString target = GetDefaultNOte(connection(), toSlip ? QStringLiteral("进账单") : QStringLiteral("支票"));
    if (target.isEmpty()) {
        ShowMsgHint(QStringLiteral("没有设定默认的单据格式"));
        return;
    }
    const ConvertedBill partner = ConvertBankBill(connection(), m_format.note.dataTableName, currentBillId(), target,
                                                  toSlip ? BankConversion::ChequeToSlip : BankConversion::SlipToCheque);
    showConvertedBill(partner);
}

void TEditNoteForm::CopyButtonClick()
{
    const DataField *refNo = QueryHea->isActive() ? QueryHea->findField(QStringLiteral("RefNo")) : nullptr;
    if (!hasBillRow() || !refNo || refNo->asString().trimmed().isEmpty()) {
        tell(QString(), QStringLiteral("空单据不能复制"));
        return;
    }
    QStringList detailTables;
    for (const DetailGrid &grid : std::as_const(m_grids))
        detailTables.append(grid.table);
    detailTables.removeDuplicates();
    const qint64 copy = CopyWholeBill(connection(), m_format.note.dataTableName, detailTables, currentBillId());
    showConvertedBill({copy, m_format.note.noteName, true});
    tell(QStringLiteral("提示"), QStringLiteral("复制完成"));
}

void TEditNoteForm::CkdFlatButtonClick()
{
    if (!hasBillRow()) {
        ShowMsgHint(QStringLiteral("数据表不能为空"));
        return;
    }
    const QString waybillFormat = GetDefaultNOte(connection(), QStringLiteral("快递单"));
    if (waybillFormat.isEmpty()) {
        ShowMsgHint(QStringLiteral("没有设定默认的快递单"));
        return;
    }
    ConvertedBill waybill = WaybillOfDeliveryNote(connection(), currentBillId(), waybillFormat);
    if (!IsNoteNameExists(connection(), waybill.noteName))
        waybill.noteName = waybillFormat;
    showConvertedBill(waybill);
}
