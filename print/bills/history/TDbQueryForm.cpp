#include "bills/history/TDbQueryForm.h"

#include "bills/pickers/PickData.h"
#include "bills/pickers/PickResult.h"
#include "bills/history/HistoryColumns.h"
#include "bills/history/HistoryData.h"
#include "bills/history/HistoryDatePreset.h"
#include "bills/history/HistoryRowDelegate.h"
#include "bills/history/HistoryStatement.h"
#include "bills/printing/FormatPaper.h"
#include "gui/dialogs/PrinterSetupSeam.h"
#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/errors/CorvaneError.h"
#include "core/db/AdoFunc.h"
#include "core/globals/PubDm.h"
#include "core/grid/GridLayout.h"
#include "core/messages/MessageNames.h"
#include "core/messages/RefNoParam.h"
#include "core/messages/WindowMessages.h"
#include "core/printfun/NoteLookup.h"
#include "designer/definitions/ChangeType.h"
#include "gui/dataaware/NullableDateEdit.h"
#include "gui/dialogs/MessageBoxes.h"
#include "gui/export/DataSetExport.h"
#include "gui/grid/DataGrid.h"
#include "gui/grid/GridRoutines.h"
#include "gui/printfun/CurrentPrinter.h"
#include "core/globals/MenuIds.h"
#include "core/template/TemplateStore.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kSelectedTextColour = 16758302;  // BGR, a light blue

QColor bgrColour(int bgr)
{
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

QString mainTableOf(const QString &kindWord)
{
    return HistoryData(CurAdo).mainTableOfKind(kindWord);
}

} // namespace

TDbQueryForm::TDbQueryForm(QWidget *owner)
    : QWidget(owner), MessageReceiver(this), m_rows(new DataSet(this)), m_grid(new DataGrid(this)), m_userId(sCurUserId)
{
    setWindowTitle(QStringLiteral("数据查询"));
    m_rows->setConnection(CurAdo);
    m_rows->setReadOnly(true);

    auto *kindsPanel = new QVBoxLayout;
    const QList<HistoryKind> &kinds = HistoryKinds();
    for (int i = 0; i < kinds.size(); ++i) {
        auto *button = new QPushButton(kinds.at(i).caption, this);
        button->setObjectName(QStringLiteral("KindButton%1").arg(i));
        button->setAutoFillBackground(true);
        connect(button, &QPushButton::clicked, this, [this, i] { runKind(i); });
        kindsPanel->addWidget(button);
        m_kindButtons.append(button);
    }
    kindsPanel->addStretch();

    auto *boxes = new QFormLayout;
    m_amountFrom = addBox(boxes, QStringLiteral("金额："), "AmountFromBox", nullptr);
    m_amountTo = addBox(boxes, QStringLiteral("到"), "AmountToBox", nullptr);
    m_datePreset = new QComboBox(this);
    m_datePreset->setObjectName(QStringLiteral("DatePresetBox"));
    m_datePreset->addItems(HistoryDatePresets());
    m_datePreset->setCurrentIndex(-1);
    connect(m_datePreset, &QComboBox::activated, this,
            [this](int index) { applyDatePreset(m_datePreset->itemText(index), QDate::currentDate()); });
    m_startDate = new NullableDateEdit(this);
    m_startDate->setObjectName(QStringLiteral("StartDateBox"));
    m_endDate = new NullableDateEdit(this);
    m_endDate->setObjectName(QStringLiteral("EndDateBox"));
    m_startDate->setDateOrNull({});
    m_endDate->setDateOrNull({});
    m_audit = new QComboBox(this);
    m_audit->setObjectName(QStringLiteral("AuditBox"));
    m_audit->addItems({QStringLiteral("全部"), QStringLiteral("已审核"), QStringLiteral("未审核")});
    const QList<QPair<QString, QWidget *>> dateRows = {{QStringLiteral("单据日期："), m_datePreset},
                                                       {QStringLiteral("开始日期："), m_startDate},
                                                       {QStringLiteral("结束日期："), m_endDate},
                                                       {QStringLiteral("审核标志："), m_audit}};
    for (const auto &[caption, control] : dateRows) {
        auto *label = new QLabel(caption, this);
        boxes->addRow(label, control);
        m_groupWidgets.append({DateBoxes, label});
        m_groupWidgets.append({DateBoxes, control});
    }
    for (QWidget *amount : {static_cast<QWidget *>(m_amountFrom), static_cast<QWidget *>(m_amountTo)})
        m_groupWidgets.append({AmountBoxes, amount});
    m_payee = addBox(boxes, QStringLiteral("收款单位："), "PayeeBox", nullptr);
    m_account = addBox(boxes, QStringLiteral("出票账户："), "AccountBox", &PickSelfBank);
    m_drawer = addBox(boxes, QStringLiteral("出票单位："), "DrawerBox", &PickCustName_Chd2);
    m_receiver = addBox(boxes, QStringLiteral("收票单位："), "ReceiverBox", &PickCompName_bank);
    m_void = new QComboBox(this);
    m_void->setObjectName(QStringLiteral("VoidBox"));
    m_void->addItems({QStringLiteral("全部"), QStringLiteral("作废"), QStringLiteral("未作废")});
    auto *voidLabel = new QLabel(QStringLiteral("作废标志："), this);
    boxes->addRow(voidLabel, m_void);
    m_groupWidgets.append({VoidBox, voidLabel});
    m_groupWidgets.append({VoidBox, m_void});
    m_consignee = addBox(boxes, QStringLiteral("收货单位："), "ConsigneeBox", &PickCustName_Kd);
    m_waybillType = new QComboBox(this);
    m_waybillType->setObjectName(QStringLiteral("WaybillTypeBox"));
    const QStringList waybillTypes = QStringList{QString()} + NoteCategoriesOfKind(CurAdo, QStringLiteral("快递单"));
    m_waybillType->addItems(waybillTypes);
    auto *waybillLabel = new QLabel(QStringLiteral("快递类型："), this);
    boxes->addRow(waybillLabel, m_waybillType);
    m_groupWidgets.append({WaybillBoxes, waybillLabel});
    m_groupWidgets.append({WaybillBoxes, m_waybillType});
    m_customer = addBox(boxes, QStringLiteral("客户："), "CustomerBox", &PickCustName_Chd2);
    m_partNo = addBox(boxes, QStringLiteral("货号："), "PartNoBox", &PickProductPartNo);
    m_partName = addBox(boxes, QStringLiteral("品名："), "PartNameBox", &PickProductPartName);
    m_partStandard = addBox(boxes, QStringLiteral("规格："), "PartStandardBox", &PickProductPartSpec);

    // The boxes keep the height they have with every group shown, so the kind buttons below
    // stay where they are while groups show and hide.
    auto *boxArea = new QWidget(this);
    boxArea->setLayout(boxes);
    boxArea->setFixedHeight(boxArea->sizeHint().height());
    auto *leftPanel = new QVBoxLayout;
    leftPanel->addWidget(boxArea, 0, Qt::AlignTop);
    leftPanel->addLayout(kindsPanel, 1);

    auto *topBar = new QHBoxLayout;
    const struct
    {
        const char16_t *caption;
        const char *name;
        const char16_t *hint;
        void (TDbQueryForm::*action)();
    } commands[] = {{u"Excel导入", "ImportButton", u"", &TDbQueryForm::importSheet},
                    {u"淘宝订单导入", "ShopImportButton", u"", &TDbQueryForm::importShopOrders},
                    {u"连续打印(&P)", "PrintButton", u"批量打印当前单据内容", &TDbQueryForm::printSelected},
                    {u"Excel导出", "ExportButton", u"", &TDbQueryForm::exportList},
                    {u"退出(&X)", "ExitButton", u"退出当前窗口", nullptr}};
    for (const auto &command : commands) {
        auto *button = new QPushButton(QString::fromUtf16(command.caption), this);
        button->setObjectName(QLatin1String(command.name));
        button->setToolTip(QString::fromUtf16(command.hint));
        if (command.action)
            connect(button, &QPushButton::clicked, this, command.action);
        topBar->addWidget(button);
    }
    topBar->addStretch();
    m_shopImport = findChild<QPushButton *>(QStringLiteral("ShopImportButton"));
    m_sheetImport = findChild<QPushButton *>(QStringLiteral("ImportButton"));
    connect(findChild<QPushButton *>(QStringLiteral("ExitButton")), &QPushButton::clicked, this, &QWidget::close);

    m_grid->setObjectName(QStringLiteral("DBGrid1"));
    m_grid->setOptions(DBGridBrowseMode);
    m_grid->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setTitleHeight(20);
    m_defaultRowHeight = m_grid->verticalHeader()->defaultSectionSize();
    m_grid->setItemDelegate(new HistoryRowDelegate(m_grid));
    m_grid->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    m_grid->setDataSet(m_rows);
    connect(m_grid, &DataGrid::doubleClicked, this, &TDbQueryForm::openCurrentBill);
    auto *selectAll = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_A), m_grid, nullptr, nullptr, Qt::WidgetShortcut);
    connect(selectAll, &QShortcut::activated, m_grid, [this] {
        // Every bill of the list, also those the grid has not fetched yet (a batch print of all).
        QAbstractItemModel *model = m_grid->model();
        while (model->canFetchMore({}))
            model->fetchMore({});
        m_grid->selectAll();
    });

    QMenu *menu = m_grid->popupMenu();
    connect(menu->addAction(QStringLiteral("设置表格显示")), &QAction::triggered, this, [this] {
        if (SetDbColumnVisible(m_grid))
            setTitlesAndFooters();  // the count stands in the first two columns shown
    });
    connect(menu->addAction(QStringLiteral("保存显示设置")), &QAction::triggered, this, &TDbQueryForm::saveGridLayout);
    connect(menu->addAction(QStringLiteral("删除选中的行")), &QAction::triggered, this, &TDbQueryForm::deleteSelected);
    connect(menu->addAction(QStringLiteral("修改单据类型")), &QAction::triggered, this, &TDbQueryForm::changeSelectedFormat);
    menu->addAction(QStringLiteral("修改单据打印格式"));

    auto *right = new QVBoxLayout;
    right->addLayout(topBar);
    right->addWidget(m_grid, 1);
    auto *outer = new QHBoxLayout(this);
    outer->addLayout(leftPanel);
    outer->addLayout(right, 1);

    m_kindWord = QStringLiteral("支票");
    m_table = mainTableOf(m_kindWord);
    hDataQueryWindowsHandle = Handle();
}

TDbQueryForm::~TDbQueryForm() = default;

QLineEdit *TDbQueryForm::addBox(QFormLayout *form, const QString &caption, const char *name,
                                QString (*picker)(const QSqlDatabase &, QWidget *))
{
    auto *box = new QLineEdit(this);
    box->setObjectName(QLatin1String(name));
    auto *row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(box);
    auto *label = new QLabel(caption, this);
    form->addRow(label, row);
    QList<QWidget *> parts{label, box};
    if (picker) {
        auto *button = new QToolButton(this);
        button->setObjectName(QLatin1String(name) + QStringLiteral("Picker"));
        button->setText(QStringLiteral("..."));
        row->addWidget(button);
        connect(button, &QToolButton::clicked, this, [this, box, picker] {
            const QString picked = picker(CurAdo, this);
            if (!picked.isEmpty())
                box->setText(SplitPickValues(picked).value(0));
        });
        parts.append(button);
    }
    // The filter group that shows or hides the box.
    static const QHash<QByteArray, int> groups = {
        {"AmountFromBox", AmountBoxes}, {"AmountToBox", AmountBoxes}, {"PayeeBox", PayeeBoxes}, {"AccountBox", PayeeBoxes},
        {"DrawerBox", PartyBoxes}, {"ReceiverBox", PartyBoxes}, {"ConsigneeBox", WaybillBoxes}, {"CustomerBox", CustomerBox},
        {"PartNoBox", PartBoxes}, {"PartNameBox", PartBoxes}, {"PartStandardBox", PartBoxes}};
    for (QWidget *part : parts)
        m_groupWidgets.append({groups.value(name), part});
    return box;
}

void TDbQueryForm::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        // The screen fills the main window's work area.
        if (auto *frame = qobject_cast<QMdiSubWindow *>(parentWidget()))
            QMetaObject::invokeMethod(frame, &QMdiSubWindow::showMaximized, Qt::QueuedConnection);
        runKind(0);
    }
}

void TDbQueryForm::colourKindButtons()
{
    for (int i = 0; i < m_kindButtons.size(); ++i) {
        QPalette palette = m_kindButtons.at(i)->palette();
        const bool selected = i == m_kind;
        palette.setColor(QPalette::Button, selected ? Qt::white : bgrColour(kSelectedTextColour));
        palette.setColor(QPalette::ButtonText, selected ? bgrColour(kSelectedTextColour) : Qt::white);
        m_kindButtons.at(i)->setPalette(palette);
    }
}

void TDbQueryForm::showGroups(int groups)
{
    for (const auto &[group, widget] : std::as_const(m_groupWidgets))
        widget->setVisible(groups & group);
}

void TDbQueryForm::runKind(int index)
{
    const HistoryKind &kind = HistoryKinds().at(index);
    m_kind = index;
    colourKindButtons();
    showGroups(kind.groups);
    if (index == kStockHistoryKind) {
        m_kindWord.clear();
        m_detailTable.clear();
        m_table = kStockTable;
    } else {
        m_kindWord = kind.word;
        m_table = mainTableOf(m_kindWord);
        m_detailTable = kind.detailTable;
    }
    m_shopImport->setVisible(m_kindWord == QStringLiteral("快递单"));
    m_sheetImport->setVisible(index != kStockHistoryKind);  // the stock list is no bill table
    SqlCondition condition;
    try {
        condition = BuildHistoryFilter(kind, filterBoxes());
    } catch (const CorvaneError &refusal) {
        // The old rows were not filtered by what the boxes now say: none are shown.
        openEmpty();
        ShowMsgWarn(refusal.message());
        return;
    }
    openQuery(m_table, m_kindWord, m_detailTable, condition);
}

HistoryFilterBoxes TDbQueryForm::filterBoxes() const
{
    HistoryFilterBoxes boxes;
    boxes.amountFrom = m_amountFrom->text();
    boxes.amountTo = m_amountTo->text();
    boxes.startDate = m_startDate->dateOrNull();
    boxes.endDate = m_endDate->dateOrNull();
    boxes.audit = m_audit->currentText();
    boxes.voidFlag = m_void->currentText();
    boxes.payee = m_payee->text();
    boxes.account = m_account->text();
    boxes.drawer = m_drawer->text();
    boxes.receiver = m_receiver->text();
    boxes.consignee = m_consignee->text();
    boxes.waybillType = m_waybillType->currentText();
    boxes.customer = m_customer->text();
    boxes.partNo = m_partNo->text();
    boxes.partName = m_partName->text();
    boxes.partStandard = m_partStandard->text();
    return boxes;
}

void TDbQueryForm::applyDatePreset(const QString &preset, const QDate &today)
{
    const QDate start = HistoryPresetStart(preset, today);
    if (!start.isValid())
        return;
    m_startDate->setDateOrNull(start);
    m_endDate->setDateOrNull(today);
}

QString TDbQueryForm::layoutSection() const
{
    const QString className = QString::fromLatin1(metaObject()->className());
    if (m_kindWord == QStringLiteral("快递单"))
        return className + m_kindWord + m_kindWord;
    return className + m_table + m_kindWord + m_detailTable;
}

void TDbQueryForm::openQuery(const QString &table, const QString &kindWord, const QString &detailTable,
                             const SqlCondition &condition)
{
    if (table.trimmed().isEmpty())
        return;
    const SqlCondition statement = HistoryStatement(CurAdo, table, kindWord, detailTable, condition);
    keepColumnChoice();
    // Another kind brings other columns: the grid lets go of the old fields before they go.
    m_grid->setDataSet(nullptr);
    m_rows->close();
    // A sort belongs to the list it was made on: every opening lists in the statement's order
    // (the next kind may not even have the sorted column).
    m_rows->setSort(QString());
    m_rows->setSql(statement.text, statement.params);
    m_rows->open();
    m_grid->setDataSet(m_rows);
    m_grid->setLayoutSection(layoutSection());
    restoreColumnChoice();
    setTitlesAndFooters();
    SetSortMarking(m_grid, false);
}

void TDbQueryForm::keepColumnChoice()
{
    if (!m_grid->dataSet() || m_grid->layoutSection().isEmpty())
        return;
    GridLayout choice = m_grid->gridLayout();
    choice.sortText.clear();
    m_columnChoices.insert(m_grid->layoutSection(), choice);
}

void TDbQueryForm::restoreColumnChoice()
{
    // The kind's own choice of this session, else the one saved for it, else the defaults.
    m_grid->verticalHeader()->setDefaultSectionSize(m_defaultRowHeight);
    hideDerivedColumns();
    if (const auto kept = m_columnChoices.constFind(m_grid->layoutSection()); kept != m_columnChoices.cend())
        m_grid->applyGridLayout(*kept);
    else if (QFileInfo::exists(GridLayoutFilePath()))
        m_grid->restoreLayout();
}

void TDbQueryForm::hideDerivedColumns()
{
    // A saved layout may show them again; the column chooser shows them too.
    QSet<QString> derived = DerivedColumnsOf(CurAdo, m_table);
    if (!m_detailTable.isEmpty())
        for (const QString &column : DerivedColumnsOf(CurAdo, m_detailTable))
            derived.insert(QStringLiteral("c.") + column);
    for (int column = 0; column < m_grid->model()->columnCount(); ++column) {
        const DataField *field = m_grid->fieldOfColumn(column);
        if (field && derived.contains(field->name().toLower()))
            m_grid->setColumnVisible(column, false);
    }
}

void TDbQueryForm::openEmpty()
{
    keepColumnChoice();
    m_grid->setDataSet(nullptr);
    m_rows->close();
    m_rows->setSort(QString());
    m_rows->setSql(EmptyHistoryStatement(m_table));
    m_rows->open();
    m_grid->setDataSet(m_rows);
    m_grid->setLayoutSection(layoutSection());
    restoreColumnChoice();
    setTitlesAndFooters();
    SetSortMarking(m_grid, false);
}

void TDbQueryForm::setTitlesAndFooters()
{
    const QStringList twoDecimals = {QStringLiteral("金额"), QStringLiteral("合计金额"), QStringLiteral("小计"), QStringLiteral("单价")};
    for (DataField *field : m_rows->fields()) {
        // Every column is titled, by its name when it has no title of its own, so that the
        // exported sheet has its header.
        const QString title = HistoryColumnTitle(field->name());
        if (!title.isEmpty())
            field->setDisplayLabel(title);
        else if (!field->hasDisplayLabel())
            field->setDisplayLabel(field->name());
        if (twoDecimals.contains(field->name()))
            field->setDisplayFormat(QStringLiteral("0.00"));
    }
    QStringList sums;
    QStringList shown;
    const QHeaderView *header = m_grid->horizontalHeader();
    for (int visual = 0; visual < header->count() && shown.size() < 2; ++visual) {
        const int column = header->logicalIndex(visual);
        if (m_grid->isColumnVisible(column))
            shown.append(m_grid->fieldOfColumn(column)->name());
    }
    if (!shown.isEmpty())
        sums.append(shown.at(0) + QStringLiteral(":记录数"));
    if (shown.size() > 1)
        sums.append(shown.at(1) + QStringLiteral(":COUNT"));
    for (const QString &name : {QStringLiteral("金额"), QStringLiteral("合计金额")}) {
        if (m_rows->findField(name) && !shown.contains(name))
            sums.append(name + QStringLiteral(":SUM"));
    }
    SetDbGridSumList(m_grid, sums.join(QLatin1Char(';')));
}

QList<int> TDbQueryForm::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex &index : m_grid->selectionModel()->selectedRows())
        rows.append(index.row());
    return rows;
}

void TDbQueryForm::openCurrentBill()
{
    if (!m_rows->isActive() || m_rows->isEmpty())
        return;
    const QString noteName = m_rows->fieldByName(QStringLiteral("notename"))->asString();
    const qint64 refNo = NoteRefNo(CurAdo, noteName);
    if (refNo == 0) { // the format was deleted or renamed after the bill was saved
        ShowMsgHint(QStringLiteral("单据格式“%1”已不存在，不能打开该单据").arg(noteName));
        return;
    }
    iCurOpenAutoid = m_rows->fieldByName(QStringLiteral("id"))->asInteger();
    SendMessage(MainWindowsHand, RegisterWindowMessage(MsgOpenForm), MenuId::BillForm, PackRefNoParam(refNo));
}

void TDbQueryForm::printSelected()
{
    const QList<int> rows = selectedRows();
    if (rows.isEmpty()) {
        ShowMsgHint(QStringLiteral("要先选中相关资料才能打印"));
        return;
    }
    const auto allShare = [&](const QString &name) {
        const DataField *field = m_rows->fieldByName(name);
        const QString first = m_rows->value(rows.first(), field).toString();
        for (const int row : rows) {
            if (m_rows->value(row, field).toString() != first)
                return false;
        }
        return true;
    };
    if (!allShare(QStringLiteral("noteTypeName"))) {
        ShowMsgHint(QStringLiteral("选中的单据类型必须一致才能打印"));
        return;
    }
    if (!allShare(QStringLiteral("noteName"))) {
        ShowMsgHint(QStringLiteral("选中的单据打印格式必须一致才能打印"));
        return;
    }
    // The selected rows share their format: the bill form opens that one.
    const QString noteName = m_rows->value(rows.first(), m_rows->fieldByName(QStringLiteral("noteName"))).toString();
    const qint64 refNo = NoteRefNo(CurAdo, noteName);
    if (refNo == 0) {
        ShowMsgHint(QStringLiteral("单据格式“%1”已不存在，不能打印").arg(noteName));
        return;
    }
    // As for one bill: the format's paper before the dialog, and what the user keeps prints. A
    // format without a readable paper size is refused by the batch itself, with the reason.
    ApplyStoredFormatPaper(CurAdo, noteName, CurrentPrinter());
    if (!PrinterSetupSeam::ask(this))
        return;
    const DataField *id = m_rows->fieldByName(QStringLiteral("id"));
    arrBatchPrintid.clear();
    for (const int row : rows)
        arrBatchPrintid.append(m_rows->value(row, id).toLongLong());
    iCurOpenAutoid = 1;
    SendMessage(MainWindowsHand, RegisterWindowMessage(MsgOpenForm), MenuId::BillForm, PackRefNoParam(refNo));
}

void TDbQueryForm::deleteSelected()
{
    QList<int> rows = selectedRows();
    if (rows.isEmpty()) {
        ShowMsgHint(QStringLiteral("要先选中相关行，用鼠标拖动表格左边的标题"));
        return;
    }
    const DataField *flag = m_rows->findField(QStringLiteral("Flag"));
    for (const int row : std::as_const(rows)) {
        if (flag && m_rows->value(row, flag).toInt() == 1) {
            ShowMsgHint(QStringLiteral("选中的单据有已经审核过的，不能删除"));
            return;
        }
    }
    if (!Confirm(QStringLiteral("确认删除选中行？")))
        return;
    // From the last row up, so that the rows still to delete keep their numbers.
    std::sort(rows.begin(), rows.end(), std::greater<>());
    const DataField *refNo = m_rows->fieldByName(QStringLiteral("RefNo"));
    const DataField *id = m_rows->fieldByName(QStringLiteral("id"));
    QList<HistoryData::Bill> bills;
    for (const int row : std::as_const(rows))
        bills.append({m_rows->value(row, id).toLongLong(), m_rows->value(row, refNo).toString()});
    HistoryData(CurAdo).deleteBills(m_table, bills);
    m_rows->requery();
}

void TDbQueryForm::changeSelectedFormat()
{
    if (!m_rows->isActive() || m_rows->isEmpty())
        return;
    const QString baseKind =
        HistoryData(CurAdo).kindOfBill(m_rows->fieldByName(QStringLiteral("NoteName"))->asString(), m_kindWord);
    const QString chosen = ChangePrintType(CurAdo, this, baseKind);
    if (chosen.isEmpty())
        return;
    const QString category = NoteTypeName(CurAdo, chosen);
    const DataField *id = m_rows->fieldByName(QStringLiteral("id"));
    QList<qint64> ids;
    for (const int row : selectedRows())
        ids.append(m_rows->value(row, id).toLongLong());
    HistoryData(CurAdo).moveBillsToFormat(m_table, ids, chosen, category);
    m_rows->requery();
}

void TDbQueryForm::exportList()
{
    // Named after the kind, so that the sheet imports again into it.
    DataSetExportToExcel(*m_rows, QString(), m_kindWord);
}

void TDbQueryForm::saveGridLayout()
{
    m_grid->setLayoutSection(layoutSection());
    if (!m_grid->saveLayout())
        ShowMsgWarn(QStringLiteral("保存显示设置失败：不能写入文件%1").arg(QDir::toNativeSeparators(GridLayoutFilePath())));
}

void TDbQueryForm::openRefNo(qint64 refNo)
{
    const std::optional<TemplateNote> format = LoadTemplateNote(CurAdo, QString::number(refNo));
    if (!format || format->dataTableName.isEmpty())
        return;
    const QString &table = format->dataTableName;
    const QString &kindWord = format->noteType;
    const QString &category = format->noteNameType;
    const int kind = HistoryKindOfWord(kindWord);
    m_kindWord = kindWord;
    m_table = table;
    if (kind < 0) {
        // A kind of the user's own has no button: its bills are listed without a filter.
        m_detailTable.clear();
        openQuery(m_table, m_kindWord, m_detailTable, {});
        return;
    }
    runKind(kind);
    if (kindWord == QStringLiteral("快递单"))
        m_waybillType->setCurrentText(category);
}

void TDbQueryForm::WndProc(const WindowMessage &message)
{
    if (IsMessage(message, MsgOpenRefNo))
        openRefNo(UnpackRefNoParam(message.LParam).refNo);
    else if (IsMessage(message, MsgRefreshQuery) && m_rows->isActive())
        m_rows->requery();
    MessageReceiver::WndProc(message);
}
