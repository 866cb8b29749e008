// New, edit, save, delete, cancel, audit, re-check and void of the bill shown.
#include "bills/form/BillSave.h"
#include "bills/form/DataValid.h"
#include "bills/form/StkProc.h"
#include "bills/form/BillFormData.h"
#include "bills/form/TEditNoteForm.h"

#include "core/convert/AmountRangeError.h"
#include "core/convert/Convert.h"
#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/db/AdoFunc.h"
#include "core/dbfun/SetDefaultValue.h"
#include "core/errors/CorvaneError.h"
#include "core/globals/PubDm.h"
#include "core/messages/MessageNames.h"
#include "core/messages/WindowMessages.h"
#include "core/printfun/NoteLookup.h"
#include "gui/dialogs/MessageBoxes.h"
#include "gui/dialogs/MessageSeam.h"

#include <QDate>

#include <exception>

namespace {

QMessageBox::StandardButton askWithTitle(const QString &title, const QString &text, QMessageBox::StandardButtons buttons)
{
    MessageRequest request;
    request.icon = buttons == QMessageBox::Ok ? QMessageBox::Information : QMessageBox::Question;
    request.title = title;
    request.text = text;
    request.buttons = buttons;
    return MessageSeam::ask(request);
}

qint64 integerOf(const DataSet &set, const QString &name)
{
    const DataField *field = set.isActive() ? set.findField(name) : nullptr;
    return field ? field->asInteger() : 0;
}

} // namespace

void TEditNoteForm::btnNewClick()
{
    if (!m_formatExists)
        return;
    if (!QueryHea->isActive())
        OpenMainTable(-1);
    if (!QueryHea->isActive() || !QueryHea->append())
        return;
    // A new bill starts without lines, and the clerk types into its first field.
    QueryHeaAfterScroll();
    focusFirstField();
}

void TEditNoteForm::btnEditClick()
{
    headerEdit();
}

void TEditNoteForm::QueryHeaNewRecord()
{
    const QSqlDatabase db = connection();
    QueryHea->fieldByName(QStringLiteral("RefNo"))->setValue(QString::number(GetBillSysNo(db)));
    QueryHea->fieldByName(QStringLiteral("NoteName"))->setValue(m_format.note.noteName);
    QueryHea->fieldByName(QStringLiteral("Flag"))->setValue(-1);
    QueryHea->fieldByName(QStringLiteral("NoteTypeName"))->setValue(NoteTypeName(db, m_format.note.noteName));
    m_baseKind = m_format.note.noteType.trimmed();
    for (DataField *field : QueryHea->fields())
        if (field->kind() == FieldKind::Date || field->kind() == FieldKind::DateTime)
            field->setValue(QDate::currentDate());
    SetDefaultValue(*QueryHea);
}

bool TEditNoteForm::QueryHeaBeforeEdit()
{
    if (integerOf(*QueryHea, QStringLiteral("Flag")) != 1)
        return true;
    askWithTitle(QStringLiteral("提示"), QStringLiteral("已审核或者发货的单据不能修改，要先【复查】"), QMessageBox::Ok);
    return false;
}

// An amount whose capitals are derived must have them: not negative, below the limit.
QString TEditNoteForm::amountRangeRefusal() const
{
    for (const DataField *field : QueryHea->fields()) {
        if (field->kind() != FieldKind::Currency || field->isNull() || !amountHasCapitals(field->name()))
            continue;
        try {
            BigMoneyAllStr(field->asCurrency());
        } catch (const AmountRangeError &e) {
            return e.message();
        }
    }
    return {};
}

bool TEditNoteForm::HsrcUpdateData()
{
    QString refusal = amountRangeRefusal();
    if (refusal.isEmpty())
        refusal = ProcMasterDataValid(connection(), *QueryHea);
    if (refusal.isEmpty())
        return true;
    ShowMsgHint(refusal);
    return false;
}

// Detail rows and header in one transaction: a failure keeps nothing and leaves the bill in
// edit with what was typed, and says why.
void TEditNoteForm::btnSaveClick()
{
    finishGridEditing(true);
    QList<DataSet *> details;
    for (const DetailGrid &grid : std::as_const(m_grids))
        details.append(grid.query);
    try {
        if (!SaveBill(connection(), *QueryHea, details))
            return;
    } catch (const std::exception &e) {
        // Rolled back: the bill stays in edit with what was typed, to be saved again.
        ShowMsgerror(QStringLiteral("保存失败！") + QString::fromUtf8(e.what()));
        return;
    }
    // Read back by its id: a new bill was made on a header opened on no row.
    OpenMainTable(integerOf(*QueryHea, QStringLiteral("id")));
    RefreshQueryForm();
}

void TEditNoteForm::btnDelClick()
{
    if (!QueryHea->isActive() || QueryHea->isEmpty() || !Confirm(QStringLiteral("是否删除当前记录？")))
        return;
    const QSqlDatabase db = connection();
    const QString refNo = QueryHea->fieldByName(QStringLiteral("RefNo"))->asString();
    const qint64 id = integerOf(*QueryHea, QStringLiteral("id"));
    try {
        BillFormData(db).deleteBill(m_format.note.dataTableName, refNo, id);
    } catch (const std::exception &) {
        return;  // rolled back: the bill stays
    }
    QueryHea->requery();
    QueryHeaAfterScroll();
    RefreshQueryForm();
}

void TEditNoteForm::btnCancelClick()
{
    if (!Confirm(QStringLiteral("是否取消当前的修改?")))
        return;
    finishGridEditing(false);
    // Lines typed into the abandoned bill go with it; a later save must not write them.
    for (const DetailGrid &grid : std::as_const(m_grids)) {
        grid.query->cancel();
        grid.query->cancelUpdates();
    }
    QueryHea->cancel();
    QueryHeaAfterScroll();
}

void TEditNoteForm::PostButtonClick()
{
    postBill(1);
}

void TEditNoteForm::RecheckButtonClick()
{
    postBill(-1);
}

void TEditNoteForm::postBill(int sign)
{
    const QSqlDatabase db = connection();
    const QString kind = NoteBaseType(db, QueryHea->fieldByName(QStringLiteral("NoteName"))->asString());
    if (PostNote(db, kind, QueryHea->fieldByName(QStringLiteral("RefNo"))->asString(), sign))
        OpenMainTable(integerOf(*QueryHea, QStringLiteral("id")));
}

void TEditNoteForm::DisButtonClick()
{
    if (askWithTitle(QStringLiteral("提示"), QStringLiteral("是否确认将该支票作废？"), QMessageBox::Ok | QMessageBox::Cancel)
        != QMessageBox::Ok)
        return;
    const qint64 id = integerOf(*QueryHea, QStringLiteral("id"));
    BillFormData(connection()).voidBill(m_format.note.dataTableName, id);
    OpenMainTable(id);
}

void TEditNoteForm::RefreshQueryForm()
{
    SendMessage(hDataQueryWindowsHandle, RegisterWindowMessage(MsgRefreshQuery), 0, 0);
    reopenSavedBills();
}
