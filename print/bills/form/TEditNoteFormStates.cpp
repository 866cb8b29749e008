// Which commands the bill shown allows, and its stamps.
#include "bills/form/BillButtonStates.h"
#include "bills/form/TEditNoteForm.h"

#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "gui/grid/DataGrid.h"
#include "gui/grid/SetFormControlStatus.h"

#include <QLabel>
#include <QPushButton>

BillStateInput TEditNoteForm::billStateInput() const
{
    BillStateInput input;
    input.editing = QueryHea->isEditing();
    input.hasRow = QueryHea->isActive() && !QueryHea->isEmpty();
    if (input.hasRow) {
        const DataField *flag = QueryHea->findField(QStringLiteral("Flag"));
        const DataField *dis = QueryHea->findField(QStringLiteral("dis"));
        input.flag = flag ? int(flag->asInteger()) : 0;
        input.dis = dis ? int(dis->asInteger()) : 0;
    }
    input.baseKind = m_baseKind;
    return input;
}

// A typed value changes none of what the buttons show: they are set again only when the state,
// the bill's flags or its kind changed.
void TEditNoteForm::followBillStates()
{
    if (m_shownStates != billStateInput())
        updateBillStates();
}

void TEditNoteForm::updateBillStates()
{
    const BillStateInput input = billStateInput();
    m_shownStates = input;
    const BillButtonStates states = BillButtonStatesFor(input);

    for (QPushButton *button : {BtnNew, BtnPrint, DesignBtn, QueryBtn, CopyButton, btnExit})
        button->setEnabled(states.browseCommands);
    PreviewFlatButton->setEnabled(true);
    // Without a format there is no table to write into, nothing to design or print.
    if (!m_formatExists)
        for (QPushButton *button : {BtnNew, BtnPrint, DesignBtn, CopyButton, PreviewFlatButton})
            button->setEnabled(false);
    BtnSave->setEnabled(states.saveCancel);
    BtnCancel->setEnabled(states.saveCancel);
    for (QPushButton *button : {BtnEdit, BtnDel, PostButton})
        button->setEnabled(states.editDeleteAudit);
    RecheckButton->setEnabled(states.recheck);
    DisButton->setVisible(states.voidVisible);
    DisButton->setEnabled(states.voidEnabled);
    CkdFlatButton->setVisible(states.waybillVisible);
    FrPrintBtn->setVisible(states.printVisible);
    FrPrintBtn->setEnabled(states.browseCommands);
    ConvertButton->setVisible(states.convertVisible);
    ConvertButton->setEnabled(states.browseCommands);

    PostImage->setVisible(states.auditStamp);
    DisImage->setVisible(states.voidStamp);
    // Both stamps in the top right corner, the void stamp below the audit stamp, so both read.
    PostImage->move(std::max(pnlPage->width() - PostImage->width() - 20, 0), 10);
    DisImage->move(std::max(pnlPage->width() - DisImage->width() - 20, 0), PostImage->geometry().bottom() + 12);
    PostImage->raise();
    DisImage->raise();
    ChequeRegisterButton->setVisible(m_baseKind == QStringLiteral("支票"));
    // Moving between cells opens no editor; a click on the current cell, a key or F2 does.
    constexpr QAbstractItemView::EditTriggers lineEntry = QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked
                                                        | QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed;
    for (const DetailGrid &grid : std::as_const(m_grids))
        grid.grid->setEditTriggers(states.auditStamp ? QAbstractItemView::NoEditTriggers : lineEntry);
    SetFormControlStatus(*QueryHea, this);
}
