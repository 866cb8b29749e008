#include "bills/cheques/TCheckForm.h"

#include "bills/cheques/ChequeNumbers.h"
#include "bills/cheques/ChequeRegister.h"
#include "bills/cheques/ChequeStatus.h"
#include "bills/cheques/GetBuyCheckInfo.h"
#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/globals/PubDm.h"
#include "core/grid/GridLayout.h"
#include "core/messages/MessageNames.h"
#include "core/messages/RefNoParam.h"
#include "core/messages/WindowMessages.h"
#include "gui/dialogs/MessageBoxes.h"
#include "gui/grid/DataGrid.h"
#include "core/globals/MenuIds.h"

#include <QComboBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

TCheckForm::TCheckForm(QWidget *owner)
    : TListEditForm(owner), m_title(new QLabel(QStringLiteral("支票管理"), this)), m_tableBox(new QComboBox(this))
{
    resize(743, 440);
    hideButton(NewButton);
    hideButton(CancelButton);
    hideButton(SaveButton);
    hideButton(EditButton);

    m_title->setObjectName(QStringLiteral("TitleLabel"));
    m_tableBox->setObjectName(QStringLiteral("TableBox"));
    auto *topBar = new QHBoxLayout;
    topBar->addWidget(new QLabel(QStringLiteral("数据表"), this));
    topBar->addWidget(m_tableBox);
    topBar->addStretch();
    contentLayout()->insertLayout(0, topBar);
    contentLayout()->insertWidget(0, m_title, 0, Qt::AlignHCenter);

    const struct
    {
        const char16_t *caption;
        const char *name;
        void (TCheckForm::*action)();
    } commands[] = {{u"购买", "BuyButton", &TCheckForm::buyCheques},
                    {u"作废", "VoidButton", &TCheckForm::voidCheque},
                    {u"查询&D)", "QueryButton", &TCheckForm::queryCheques}};
    int at = buttonBar()->indexOf(button(DeleteButton));
    for (const auto &command : commands) {
        auto *pushButton = new QPushButton(QString::fromUtf16(command.caption), this);
        pushButton->setObjectName(QLatin1String(command.name));
        connect(pushButton, &QPushButton::clicked, this, command.action);
        buttonBar()->insertWidget(at++, pushButton);
        m_commands.append(pushButton);
    }
    connect(grid(), &DataGrid::doubleClicked, this, &TCheckForm::openChequeBill);

    setColumns({{QStringLiteral("NoteNo"), QStringLiteral("支票号码"), 100},
                {QStringLiteral("BankName"), QStringLiteral("银行"), 120},
                {QStringLiteral("BuyDate"), QStringLiteral("购买日期"), 80},
                {QStringLiteral("PrintDate"), QStringLiteral("支付日期"), 80},
                {QStringLiteral("Status"), QStringLiteral("状态"), 50},
                {QStringLiteral("CustName"), QStringLiteral("客户"), 120},
                {QStringLiteral("PayUse"), QStringLiteral("用途"), 80},
                {QStringLiteral("PayAmt"), QStringLiteral("金额"), 80}});
    openList(QStringLiteral("select * from p_Check order by id"));
    // The register keeps its layout under the class name followed by the (always empty) table
    // box, not under the grid's name.
    grid()->setLayoutSection(QString::fromLatin1(metaObject()->className()) + m_tableBox->currentText());
    if (QFileInfo::exists(GridLayoutFilePath()))
        grid()->restoreLayout();
}

void TCheckForm::buyCheques()
{
    const std::optional<ChequeBook> book = GetBuyCheckInfo(CurAdo, this);
    if (!book)
        return;
    ChequeBookOutcome outcome;
    try {
        outcome = RegisterChequeBook(CurAdo, *book);
    } catch (const ChequeNumberError &error) {
        ShowMsgerror(error.message());  // nothing was written
        return;
    }
    if (outcome.result != ChequeBookOutcome::Registered) {
        ShowMsgerror(outcome.message());
        return;
    }
    master()->requery();
    master()->last();
}

void TCheckForm::voidCheque()
{
    if (master()->isEmpty() || !Confirm(QStringLiteral("确认作废?")))
        return;
    master()->edit();
    master()->fieldByName(QStringLiteral("Status"))->setValue(ChequeStatus::Void);
    master()->post();
}

void TCheckForm::queryCheques()
{
    master()->requery();
}

void TCheckForm::openChequeBill()
{
    if (master()->isEmpty())
        return;
    const qint64 refNo = ChequeFormatRefNo(CurAdo, master()->fieldByName(QStringLiteral("NoteTypeName"))->asString());
    if (refNo == 0)
        return;
    const qint64 rowId = master()->fieldByName(QStringLiteral("id"))->asInteger();
    SendMessage(MainWindowsHand, RegisterWindowMessage(MsgOpenForm), MenuId::BillForm, PackRefNoParam(refNo, rowId));
}

bool TCheckForm::confirmDelete()
{
    return Confirm(QStringLiteral("确认删除"));
}

void TCheckForm::updateControls()
{
    TListEditForm::updateControls();
    const bool browsingRows = !master()->isEditing() && !master()->isEmpty();
    for (QPushButton *pushButton : std::as_const(m_commands))
        pushButton->setEnabled(!master()->isEditing());
    if (!m_commands.isEmpty())
        m_commands[VoidButton]->setEnabled(browsingRows);
}
