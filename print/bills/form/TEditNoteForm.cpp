#include "bills/form/TEditNoteForm.h"

#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/dataset/DataSource.h"
#include "core/db/AdoFunc.h"
#include "core/dbfun/BillColumns.h"
#include "core/errors/CorvaneError.h"
#include "core/globals/MenuIds.h"
#include "core/globals/PubDm.h"
#include "core/messages/MessageNames.h"
#include "core/messages/RefNoParam.h"
#include "core/messages/WindowMessages.h"
#include "core/printfun/NoteLookup.h"
#include "gui/dialogs/MessageBoxes.h"
#include "gui/grid/DataGrid.h"
#include "gui/web/VendorPagePanel.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

QPushButton *addButton(QHBoxLayout *bar, const QString &caption, const char *name)
{
    auto *button = new QPushButton(caption);
    button->setObjectName(QLatin1String(name));
    button->setFocusPolicy(Qt::NoFocus);
    bar->addWidget(button);
    return button;
}

QFrame *marginShape(QWidget *parent, int width, int height)
{
    auto *shape = new QFrame(parent);
    shape->setStyleSheet(QStringLiteral("border: 1px dotted red;"));
    shape->setGeometry(0, 0, width, height);
    return shape;
}

// 设计 and 数据 open the designer or the history query on the open format.
void OpenScreenOnFormat(qint64 menuId, const QString &refNo)
{
    if (!refNo.isEmpty())
        SendMessage(MainWindowsHand, RegisterWindowMessage(MsgOpenForm), menuId, PackRefNoParam(refNo.toLongLong()));
}

} // namespace

TEditNoteForm::TEditNoteForm(QWidget *owner) : QWidget(owner), MessageReceiver(this)
{
    setWindowTitle(QStringLiteral("打印录入界面"));
    resize(1016, 656);
    FieldChange = true;

    QueryHea = new DataSet(this);
    QueryHea->setConnection(CurAdo);
    Hsrc = new DataSource(QueryHea, this);
    SelQuery = new DataSet(this);
    SelQuery->setConnection(CurAdo);
    SelQuery->setReadOnly(true);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buttonBar = buildButtonBar());
    layout->addWidget(TopPanel = buildTopPanel());
    auto *body = new QHBoxLayout;
    body->setSpacing(0);
    body->addWidget(DataListPanel = buildSavedBillsPanel());
    body->addWidget(centre = buildCentre(), 1);
    body->addWidget(WebBrowserLeft = buildWebPanel("/cs/CLeft.html?w=%1&h=%2", "WebBrowserLeft", QSize(163, 0)));
    layout->addLayout(body, 1);
    layout->addWidget(WebBrowserBottom = buildWebPanel("/cs/Cfoot.html?w=%1&h=%2", "WebBrowserBottom", QSize(0, 80)));
    if (screen() && screen()->geometry().width() < 1025)
        DataListPanel->hide();

    QueryHea->setBeforeEdit([this](DataSet &) { return QueryHeaBeforeEdit(); });
    QueryHea->setOnNewRecord([this](DataSet &) { QueryHeaNewRecord(); });
    Hsrc->setOnUpdateData([this] { return HsrcUpdateData(); });
    connect(Hsrc, &DataSource::stateChanged, this, [this] { updateBillStates(); });
    connect(Hsrc, &DataSource::dataChanged, this, &TEditNoteForm::HsrcDataChange);
    connect(QueryHea, &DataSet::fieldChanged, this, &TEditNoteForm::QueryHeaFieldChanged);

    connect(BtnNew, &QPushButton::clicked, this, &TEditNoteForm::btnNewClick);
    connect(BtnEdit, &QPushButton::clicked, this, &TEditNoteForm::btnEditClick);
    connect(BtnSave, &QPushButton::clicked, this, &TEditNoteForm::btnSaveClick);
    connect(BtnDel, &QPushButton::clicked, this, &TEditNoteForm::btnDelClick);
    connect(BtnCancel, &QPushButton::clicked, this, &TEditNoteForm::btnCancelClick);
    connect(btnExit, &QPushButton::clicked, this, &QWidget::close);
    connect(PostButton, &QPushButton::clicked, this, &TEditNoteForm::PostButtonClick);
    connect(RecheckButton, &QPushButton::clicked, this, &TEditNoteForm::RecheckButtonClick);
    connect(DisButton, &QPushButton::clicked, this, &TEditNoteForm::DisButtonClick);
    connect(ConvertButton, &QPushButton::clicked, this, &TEditNoteForm::ConvertButtonClick);
    connect(CopyButton, &QPushButton::clicked, this, &TEditNoteForm::CopyButtonClick);
    connect(CkdFlatButton, &QPushButton::clicked, this, &TEditNoteForm::CkdFlatButtonClick);
    connect(BtnPrint, &QPushButton::clicked, this, [this] { Q_EMIT printRequested(PrintAction::Overlay); });
    connect(PreviewFlatButton, &QPushButton::clicked, this, [this] { Q_EMIT printRequested(PrintAction::Preview); });
    connect(FrPrintBtn, &QPushButton::clicked, this, [this] { Q_EMIT printRequested(PrintAction::Report); });
    connect(this, &TEditNoteForm::printRequested, this, &TEditNoteForm::printBill);
    connect(DesignBtn, &QPushButton::clicked, this, [this] { OpenScreenOnFormat(MenuId::Designer, m_format.note.refNo); });
    connect(QueryBtn, &QPushButton::clicked, this, [this] { OpenScreenOnFormat(MenuId::HistoryQuery, m_format.note.refNo); });
    setUpPageLayout();
    updateBillStates();
}

TEditNoteForm::~TEditNoteForm()
{
    releaseDetailGrids();
}

QSqlDatabase TEditNoteForm::connection() const
{
    return QueryHea->connection();
}

QWidget *TEditNoteForm::buildButtonBar()
{
    auto *bar = new QWidget;
    bar->setFixedHeight(36);
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(4, 2, 4, 2);
    BtnNew = addButton(row, QStringLiteral("新增"), "BtnNew");
    BtnCancel = addButton(row, QStringLiteral("取消"), "BtnCancel");
    BtnSave = addButton(row, QStringLiteral("保存"), "BtnSave");
    BtnEdit = addButton(row, QStringLiteral("修改"), "BtnEdit");
    BtnDel = addButton(row, QStringLiteral("删除"), "BtnDel");
    CopyButton = addButton(row, QStringLiteral("复制"), "CopyButton");
    BtnPrint = addButton(row, QStringLiteral("套打"), "BtnPrint");
    DesignBtn = addButton(row, QStringLiteral("设计"), "DesignBtn");
    QueryBtn = addButton(row, QStringLiteral("数据"), "QueryBtn");
    PreviewFlatButton = addButton(row, QStringLiteral("预览"), "PreviewFlatButton");
    PostButton = addButton(row, QStringLiteral("审核"), "PostButton");
    RecheckButton = addButton(row, QStringLiteral("复查"), "RecheckButton");
    FrPrintBtn = addButton(row, QStringLiteral("打印"), "FrPrintBtn");
    DisButton = addButton(row, QStringLiteral("作废"), "DisButton");
    ConvertButton = addButton(row, QStringLiteral("转进帐单"), "ConvertButton");
    CkdFlatButton = addButton(row, QStringLiteral("转快递单"), "CkdFlatButton");
    ChequeRegisterButton = addButton(row, QStringLiteral("支票管理"), "ChequeRegisterButton");
    btnExit = addButton(row, QStringLiteral("退出"), "btnExit");
    row->addStretch(1);
    BtnEdit->setEnabled(false);
    BtnCancel->setEnabled(false);
    return bar;
}

QWidget *TEditNoteForm::buildTopPanel()
{
    auto *panel = new QWidget;
    auto *row = new QHBoxLayout(panel);
    row->setContentsMargins(4, 2, 4, 2);
    auto shortEdit = [&](const char *name) {
        auto *edit = new QLineEdit;
        edit->setObjectName(QLatin1String(name));
        edit->setFixedWidth(50);
        return edit;
    };
    row->addWidget(new QLabel(QStringLiteral("单据类别")));
    row->addWidget(NoteTypeComboBox = new QComboBox);
    NoteTypeComboBox->setMinimumWidth(120);
    row->addWidget(ChangeCheckBox = new QCheckBox(QStringLiteral("切换单据")));
    row->addWidget(new QLabel(QStringLiteral("格式")));
    row->addWidget(NoteListComboBox = new QComboBox);
    NoteListComboBox->setMinimumWidth(160);
    row->addWidget(new QLabel(QStringLiteral("横向偏移")));
    row->addWidget(XShiftEdit = shortEdit("XShiftEdit"));
    row->addWidget(new QLabel(QStringLiteral("毫米")));
    row->addWidget(new QLabel(QStringLiteral("纵向偏移")));
    row->addWidget(YShiftEdit = shortEdit("YShiftEdit"));
    row->addWidget(new QLabel(QStringLiteral("毫米")));
    row->addWidget(new QLabel(QStringLiteral("挡板位置")));
    row->addWidget(XPanelPosEdit = shortEdit("XPanelPosEdit"));
    row->addStretch(1);
    connect(NoteListComboBox, &QComboBox::activated, this, [this] { formatPicked(); });
    connect(NoteTypeComboBox, &QComboBox::activated, this, [this] { categoryPicked(); });
    connect(ChangeCheckBox, &QCheckBox::clicked, this, [this] { switchBillFormat(); });
    return panel;
}

QWidget *TEditNoteForm::buildSavedBillsPanel()
{
    auto *panel = new QWidget;
    panel->setFixedWidth(175);
    auto *column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    SelDBGrid = new DataGrid(panel);
    SelDBGrid->setObjectName(QStringLiteral("SelDBGrid"));
    SelDBGrid->setOptions(DBGridBrowseMode);
    SelDBGrid->setDataSet(SelQuery);
    column->addWidget(SelDBGrid);
    column->addWidget(buildListButtons());
    return panel;
}

QWidget *TEditNoteForm::buildCentre()
{
    auto *area = new QWidget;
    LeftMarginShape = marginShape(area, 50, 3500);
    TopMarginShape = marginShape(area, 2500, 30);
    PanelScrollBox = new QScrollArea(area);
    PanelScrollBox->setObjectName(QStringLiteral("PanelScrollBox"));
    PanelScrollBox->setWidgetResizable(false);
    pnlPage = new QWidget;
    pnlPage->setObjectName(QStringLiteral("pnlPage"));
    pnlPage->move(0, 0);
    imgBack = new QLabel(pnlPage);
    imgBack->setObjectName(QStringLiteral("imgBack"));
    imgBack->setScaledContents(false);
    auto stamp = [&](const char *name, const QString &text) {
        auto *label = new QLabel(text, pnlPage);
        label->setObjectName(QLatin1String(name));
        label->setStyleSheet(QStringLiteral("color: #D01010; border: 3px solid #D01010; border-radius: 8px;"
                                            " font-size: 22pt; font-weight: bold; padding: 2px 10px;"));
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        label->adjustSize();
        label->move(pnlPage->width() - label->width() - 20, 10);
        label->hide();
        return label;
    };
    PostImage = stamp("PostImage", QStringLiteral("已审核"));
    DisImage = stamp("DisImage", QStringLiteral("作废"));
    PanelScrollBox->setWidget(pnlPage);
    PanelScrollBox->move(LeftMarginShape->width(), TopMarginShape->height());
    return area;
}

void TEditNoteForm::ChangeEditPosition()
{
    // The page with a little room, no wider or higher than the page area left of its offset,
    // so the area follows the window's size.
    const int availableWidth = centre->width() - PanelScrollBox->x();
    const int availableHeight = centre->height() - PanelScrollBox->y();
    PanelScrollBox->resize(std::min(pnlPage->width() + 30, std::max(availableWidth, 0)),
                           std::min(pnlPage->height() + 30, std::max(availableHeight, 0)));
}

int TEditNoteForm::leftMargin() const
{
    return LeftMarginShape->width();
}

int TEditNoteForm::topMargin() const
{
    return TopMarginShape->height();
}

void TEditNoteForm::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    ChangeEditPosition();
}

void TEditNoteForm::WndProc(const WindowMessage &message)
{
    if (IsMessage(message, MsgOpenRefNo))
        openRefNo(UnpackRefNoParam(message.LParam).refNo);
    else if (IsMessage(message, MsgPreviewPrint))
        Q_EMIT printRequested(PrintAction::PreviewPrint);
    else if (IsMessage(message, MsgOnFormActive) || IsMessage(message, MsgRefreshMainPage)) {
        // A designer may have changed the table's definitions meanwhile. Should the database
        // fail now, they are read when a field next changes, and the error shows there.
        try {
            readFieldRules();
        } catch (const DatabaseError &) {
            m_fills.clear();
        }
    }
    MessageReceiver::WndProc(message);
}

void TEditNoteForm::openRefNo(qint64 refNo)
{
    const QSqlDatabase db = connection();
    const QString name = NoteNameOfRefNo(db, refNo);
    const QString category = NoteTypeName(db, name);
    // 1 asks for a batch print only while a batch is waiting; otherwise it is the first bill.
    const bool batch = iCurOpenAutoid == 1 && !arrBatchPrintid.isEmpty();
    const qint64 billId = batch ? 0 : iCurOpenAutoid;
    // The id serves this one open: the next icon of another kind of the same table must not
    // find it (a batch gives it back once printed).
    if (!batch)
        iCurOpenAutoid = 0;

    m_pickersActive = false;
    {
        const auto activeAgain = qScopeGuard([this] { m_pickersActive = true; });
        m_baseKind = NoteBaseType(db, name);
        fillFormatPickers(category, name);
        if (name.compare(m_format.note.noteName, Qt::CaseInsensitive) != 0 || m_format.note.noteName.isEmpty())
            CreateEditForm(name, true, billId, false, true);
        else if (billId > 0 && isBillOfFormat(billId))
            OpenMainTable(billId);
    }
    if (batch) {
        OpenMainTable(arrBatchPrintid.first());
        Q_EMIT printRequested(PrintAction::Batch);
    }
}

void TEditNoteForm::fillFormatPickers(const QString &category, const QString &noteName)
{
    const QSqlDatabase db = connection();
    NoteTypeComboBox->clear();
    NoteTypeComboBox->addItems(NoteCategoriesOfKind(db, NoteBaseType(db, noteName)));
    NoteTypeComboBox->setCurrentIndex(NoteTypeComboBox->findText(category));
    NoteListComboBox->clear();
    NoteListComboBox->addItems(NoteNamesOfCategory(db, category));
    NoteListComboBox->setCurrentIndex(NoteListComboBox->findText(noteName));
}

void TEditNoteForm::formatPicked()
{
    if (m_pickersActive && !NoteListComboBox->currentText().isEmpty())
        CreateEditForm(NoteListComboBox->currentText(), false, 0, true, true);
}

void TEditNoteForm::categoryPicked()
{
    const QStringList names = NoteNamesOfCategory(connection(), NoteTypeComboBox->currentText());
    NoteListComboBox->clear();
    NoteListComboBox->addItems(names);
    if (names.isEmpty())
        return;
    NoteListComboBox->setCurrentIndex(0);
    const bool moveBill = ChangeCheckBox->isChecked();
    CreateEditForm(names.first(), !moveBill, 0, moveBill, true);
}

void TEditNoteForm::switchBillFormat()
{
    if (NoteTypeComboBox->currentText() == m_format.note.noteNameType || !QueryHea->isActive())
        return;
    const QString name = NoteListComboBox->currentText();
    if (!headerEdit())
        return;
    QueryHea->fieldByName(QStringLiteral("NoteName"))->setValue(name);
    QueryHea->fieldByName(QStringLiteral("NoteTypeName"))->setValue(NoteTypeName(connection(), name));
}

void TEditNoteForm::closeEvent(QCloseEvent *event)
{
    if (QueryHea->isEditing()) {
        ShowMsgHint(QStringLiteral("编辑状态下不能直接关闭窗口，请先取消操作或保存操作后再关闭"));
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}
