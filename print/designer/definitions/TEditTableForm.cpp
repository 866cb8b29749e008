#include "designer/definitions/TEditTableForm.h"

#include "core/bfun/DetailSums.h"
#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/dataset/DataSource.h"
#include "core/db/AdoFunc.h"
#include "core/db/ShippedSchema.h"
#include "core/db/SqlName.h"
#include "core/db/TableCatalog.h"
#include "core/db/Transaction.h"
#include "core/globals/PubDm.h"
#include "core/grid/GridLayout.h"
#include "core/messages/MessageNames.h"
#include "core/messages/WindowMessages.h"
#include "designer/definitions/TableDefinitionSave.h"
#include "gui/dataaware/ComboBoxLink.h"
#include "gui/dataaware/DateEditLink.h"
#include "gui/dataaware/LineEditLink.h"
#include "gui/dataaware/NullableDateEdit.h"
#include "gui/dbfun/CreateOrUpdataMainTable.h"
#include "gui/dbfun/DbGridColumns.h"
#include "gui/dbfun/PickListDelegate.h"
#include "gui/dialogs/MessageBoxes.h"
#include "gui/grid/DataGrid.h"
#include "gui/grid/GridRoutines.h"
#include "gui/grid/SetFormControlStatus.h"

#include <QComboBox>
#include <QDate>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSplitter>
#include <QVBoxLayout>

namespace {

// The tables the program's own bills live in: never dropped, never renamed.
bool IsSystemTable(const QString &name)
{
    return name == QStringLiteral("银行转帐单") || name == QStringLiteral("快递单");
}

void tagAsFormControl(QWidget *widget)
{
    widget->setProperty("tag", kFormControlTag);
}

const struct
{
    const char *field;
    const char16_t *title;
} kFieldColumns[] = {{"FieldName", u"字段名称"},
                     {"FieldType", u"字段类型"},
                     {"LEN", u"字段长度"},
                     {"smalltype", u"金额(日期)\n小写类型"},
                     {"BigType", u"金额(日期)\n大写"},
                     {"CheckItems", u"复选框内容"},
                     {"flag", u"备注"}};

} // namespace

TEditTableForm::TEditTableForm(QWidget *owner)
    : TListEditForm(owner), MessageReceiver(this), m_fields(new DataSet(this)),
      m_title(new QLabel(QStringLiteral("数据表编辑"), this))
{
    setWindowTitle(m_title->text());
    m_title->setObjectName(QStringLiteral("TitleLabel"));
    contentLayout()->insertWidget(0, m_title, 0, Qt::AlignHCenter);

    const struct
    {
        const char16_t *caption;
        const char *name;
        bool update;
    } commands[] = {{u"创建(&V)", "CreateButton", false}, {u"更新(&V)", "UpdateButton", true}};
    int at = buttonBar()->indexOf(button(DeleteButton));
    for (const auto &command : commands) {
        auto *pushButton = new QPushButton(QString::fromUtf16(command.caption), this);
        pushButton->setObjectName(QLatin1String(command.name));
        pushButton->setToolTip(QStringLiteral("核准当前单据内容"));
        connect(pushButton, &QPushButton::clicked, this, [this, update = command.update] { createTable(update); });
        buttonBar()->insertWidget(at++, pushButton);
        m_commands.append(pushButton);
    }

    // The table panel.
    auto *panel = new QWidget(this);
    auto *form = new QFormLayout;
    m_tableNameEdit = new QLineEdit(panel);
    m_tableNameEdit->setObjectName(QStringLiteral("TableNameEdit"));
    m_tableNameEdit->setAlignment(Qt::AlignRight);
    auto *remarkEdit = new QLineEdit(panel);
    remarkEdit->setObjectName(QStringLiteral("RemarkEdit"));
    auto *reviseDateEdit = new NullableDateEdit(panel);
    reviseDateEdit->setObjectName(QStringLiteral("ReviseDateEdit"));
    auto *reviseByEdit = new QLineEdit(panel);
    reviseByEdit->setObjectName(QStringLiteral("ReviseByEdit"));
    auto *mainTableBox = new QComboBox(panel);
    mainTableBox->setObjectName(QStringLiteral("MainTableBox"));
    QStringList tableNames;
    SqlAddPickList(CurAdo, QStringLiteral("select TableName from p_tables "), tableNames);
    mainTableBox->addItems(tableNames);
    m_amountInputBox = new QComboBox(panel);
    m_amountInputBox->setObjectName(QStringLiteral("AmountInputBox"));
    m_amountInputBox->addItems({QStringLiteral("无"), QStringLiteral("有金额转换")});
    for (QWidget *control : {static_cast<QWidget *>(m_tableNameEdit), static_cast<QWidget *>(remarkEdit),
                             static_cast<QWidget *>(reviseDateEdit), static_cast<QWidget *>(reviseByEdit)})
        tagAsFormControl(control);
    form->addRow(QStringLiteral("数据表名称"), m_tableNameEdit);
    form->addRow(QStringLiteral("备 注"), remarkEdit);
    form->addRow(QStringLiteral("添加日期"), reviseDateEdit);
    form->addRow(QStringLiteral("添加人"), reviseByEdit);
    form->addRow(QStringLiteral("主表"), mainTableBox);
    form->addRow(QStringLiteral("金额大小写转换"), m_amountInputBox);
    new LineEditLink(m_tableNameEdit, masterSource(), QStringLiteral("tablename"));
    new LineEditLink(remarkEdit, masterSource(), QStringLiteral("remark"));
    new DateEditLink(reviseDateEdit, masterSource(), QStringLiteral("revisedate"));
    new LineEditLink(reviseByEdit, masterSource(), QStringLiteral("reviseby"));
    new ComboBoxLink(mainTableBox, masterSource(), QStringLiteral("MainTableName"));
    connect(master(), &DataSet::dataChanged, this, &TEditTableForm::showAmountInput);
    connect(m_amountInputBox, &QComboBox::activated, this, &TEditTableForm::pickAmountInput);

    // The field grid.
    m_fieldGrid = new DataGrid(panel);
    m_fieldGrid->setObjectName(QStringLiteral("DBGridEh1"));
    tagAsFormControl(m_fieldGrid);
    m_fields->setCachedUpdates(true);
    m_fields->setSql(QStringLiteral("select * from p_TableFields where RefNo=? order by seqno"), {QString()});
    m_fields->setOnNewRecord([this](DataSet &fields) { newFieldRow(fields); });
    m_fields->setBeforeEdit([this](DataSet &fields) { return mayEditField(fields); });
    m_fieldGrid->setDataSet(m_fields);
    m_fieldGrid->setTitleHeight(2 * m_fieldGrid->fontMetrics().height() + 8);  // two-line titles
    QMenu *menu = m_fieldGrid->popupMenu();
    connect(menu->addAction(QStringLiteral("删除字段")), &QAction::triggered, this, &TEditTableForm::deleteField);
    connect(menu->addAction(QStringLiteral("插入")), &QAction::triggered, this, &TEditTableForm::insertField);
    menu->addSeparator();
    connect(menu->addAction(QStringLiteral("保存显示设置")), &QAction::triggered, this, [this] { m_fieldGrid->saveLayout(); });

    auto *panelLayout = new QVBoxLayout(panel);
    panelLayout->addLayout(form);
    panelLayout->addWidget(m_fieldGrid, 1);
    auto *splitter = new QSplitter(this);
    splitter->addWidget(grid());
    splitter->addWidget(panel);
    splitter->setStretchFactor(1, 1);
    contentLayout()->addWidget(splitter, 1);

    master()->setCachedUpdates(true);
    master()->setOnNewRecord([](DataSet &table) {
        SetTableInitValue(table);
        table.fieldByName(QStringLiteral("RefNo"))->setValue(QString::number(GetBillSysNo(CurAdo)));
        table.fieldByName(QStringLiteral("ReviseBy"))->setValue(sCurUserId);
        table.fieldByName(QStringLiteral("PostedBy"))->setValue(sCurUserId);
        table.fieldByName(QStringLiteral("ReviseDate"))->setValue(QDate::currentDate());
    });
    connect(master(), &DataSet::afterScroll, this, [this] {
        if (!master()->isEditing())
            reloadFields();
    });
    setColumns({{QStringLiteral("tablename"), QStringLiteral("数据表名称"), 150}});
    openList(QStringLiteral(" select * from p_tables "));
    reloadFields();

    for (DataField *field : m_fields->fields())
        field->setVisible(false);
    for (const auto &column : kFieldColumns) {
        DataField *field = m_fields->fieldByName(QLatin1String(column.field));
        field->setVisible(true);
        field->setDisplayLabel(QString::fromUtf16(column.title));
    }
    GridAddPickList(CurAdo, QStringLiteral("FieldType"), 1, m_fieldGrid);
    if (auto *types = qobject_cast<PickListDelegate *>(
            m_fieldGrid->itemDelegateForColumn(m_fieldGrid->columnOfField(QStringLiteral("FieldType")))))
        types->setDropDownOnEntry(true);
    GridAddPickList(CurAdo, QStringLiteral("smalltype"), 2, m_fieldGrid);
    GridAddPickList(CurAdo, QStringLiteral("BigType"), 3, m_fieldGrid);
    m_fieldGrid->setLayoutSection(QString::fromLatin1(metaObject()->className()) + m_fieldGrid->objectName());
    if (QFileInfo::exists(GridLayoutFilePath()))
        m_fieldGrid->restoreLayout();
    SetSortMarking(m_fieldGrid, false);
    updateControls();
}

TEditTableForm::~TEditTableForm()
{
    // The grid goes before the data set it shows.
    delete m_fieldGrid;
}

QString TEditTableForm::currentTableName() const
{
    return master()->isEmpty() ? QString() : master()->fieldByName(QStringLiteral("TableName"))->asString();
}

void TEditTableForm::reloadFields()
{
    const QString refNo = master()->isEmpty() ? QString() : master()->fieldByName(QStringLiteral("RefNo"))->asString();
    if (m_fields->isActive() && refNo == m_loadedRefNo)
        return;
    m_fields->close();
    m_fields->setParams({refNo});
    m_fields->open();
    m_loadedRefNo = refNo;
}

void TEditTableForm::newFieldRow(DataSet &fields)
{
    SetTableInitValue(fields);
    fields.fieldByName(QStringLiteral("RefNo"))->setValue(master()->fieldByName(QStringLiteral("RefNo"))->asString());
    fields.fieldByName(QStringLiteral("FieldType"))->setValue(QStringLiteral("字符型"));
    fields.fieldByName(QStringLiteral("LEN"))->setValue(50);
}

bool TEditTableForm::mayEditField(DataSet &fields)
{
    if (!m_readOnlyGuard || !fields.fieldByName(QStringLiteral("readonly"))->asBoolean())
        return true;
    ShowMsgWarn(QStringLiteral("当前字段不可以修改"));
    return false;
}

void TEditTableForm::showAmountInput()
{
    const QSignalBlocker blocker(m_amountInputBox);
    m_amountInputBox->setCurrentIndex(master()->isEmpty() ? -1 : (master()->fieldByName(QStringLiteral("bAmtNumInput"))->asInteger() == 1 ? 1 : 0));
}

void TEditTableForm::pickAmountInput(int index)
{
    if (!master()->isEditing() && !master()->edit())
        return;
    master()->fieldByName(QStringLiteral("bAmtNumInput"))->setValue(index);
}

void TEditTableForm::newRecord()
{
    master()->append();
    reloadFields();
}

void TEditTableForm::editRecord()
{
    master()->edit();
}

void TEditTableForm::saveRecord()
{
    focusNextChild();
    if (master()->isEditing())
        master()->fieldByName(QStringLiteral("ReviseDate"))->setValue(QDate::currentDate());
    if (currentTableName().trimmed().isEmpty()) {
        ShowMsgHint(QStringLiteral("数据表不能为空，请输入后再保存！"));
        m_tableNameEdit->setFocus();
        return;
    }
    if (m_fields->isEditing() && !m_fields->post())
        return;
    // A name the table builder would refuse is refused here, before anything is written.
    if (const std::optional<QString> fault = TableDefinitionFault(*master(), *m_fields)) {
        ShowMsgWarn(*fault + QStringLiteral("，请修改后再保存！"));
        return;
    }
    const bool wasEditing = master()->isEditing();
    m_readOnlyGuard = false;
    try {
        SaveTableDefinition(CurAdo, *master(), *m_fields);
        m_readOnlyGuard = true;
    } catch (const std::exception &) {
        m_readOnlyGuard = true;
        ShowMsgHint(QStringLiteral("保存时出现错误，请检查数据是否输入正确！"));
        // The row goes back into edit so the pending changes can be saved again or cancelled.
        if (wasEditing && !master()->isEditing())
            master()->edit();
    }
}

void TEditTableForm::cancelRecord()
{
    if (!Confirm(QStringLiteral("是否取消当前的修改?")))
        return;
    try {
        if (m_fields->isEditing())
            m_fields->cancel();
        master()->cancel();
        master()->cancelUpdates();
        m_fields->cancelUpdates();
    } catch (const std::exception &) {
    }
    reloadFields();
}

void TEditTableForm::createTable(bool update)
{
    CreateOrUpdataMainTable(CurAdo, currentTableName().trimmed(), update);
}

void TEditTableForm::deleteRecord()
{
    if (master()->isEmpty())
        return;
    const QString name = currentTableName();
    if (IsSystemTable(name)) {
        ShowMsgWarn(QStringLiteral("当前单据为系统定义的单据,不能删除"));
        return;
    }
    if (IsProgramTable(name)) {
        // A definition that names one of the program's own tables may go; the table stays.
        ShowMsgWarn(QStringLiteral("数据表%1是本程序自己使用的数据表，不能删除，只能删除它的定义").arg(name.trimmed()));
    } else {
        if (!Confirm(QStringLiteral("是否确认删除数据表:%1?").arg(name)))
            return;
        // A table that was defined but never created still lets its definition go.
        ExecTmpQuery(CurAdo, QStringLiteral("drop table if exists ") + SqlName(name.trimmed()));
    }
    if (!Confirm(QStringLiteral("是否删除本编辑数据,删除后将需要重新编辑?")) || !Confirm(QStringLiteral("是否删除当前记录？")))
        return;
    try {
        Transaction transaction(CurAdo);
        while (!m_fields->isEmpty()) {
            m_fields->first();
            m_fields->deleteRecord();
        }
        m_fields->applyUpdates();
        master()->deleteRecord();
        master()->applyUpdates();
        transaction.commit();
    } catch (const std::exception &) {
        master()->cancelUpdates();
        m_fields->cancelUpdates();
        ShowMsgerror(QStringLiteral("删除操作失败"));
    }
    reloadFields();
}

void TEditTableForm::insertField()
{
    if (master()->isEditing())
        m_fields->insert();
}

void TEditTableForm::deleteField()
{
    if (m_fields->isEmpty())
        return;
    // Reading the list again would drop what was typed since the last save.
    if (m_fields->isEditing() || m_fields->hasPendingUpdates()) {
        ShowMsgHint(QStringLiteral("请先保存或取消当前的修改"));
        return;
    }
    const QString table = currentTableName().trimmed();
    if (IsProgramTable(table)) {
        ShowMsgWarn(QStringLiteral("数据表%1是本程序自己使用的数据表，不能删除它的字段").arg(table));
        return;
    }
    const QString field = m_fields->fieldByName(QStringLiteral("FieldName"))->asString();
    if (!Confirm(QStringLiteral("是否确认删除字段:%1?").arg(field)))
        return;
    if (!IsTableFieldsExists(CurAdo, table, field.trimmed())) {
        ShowMsgHint(QStringLiteral("字段不存在"));
        return;
    }
    ExecTmpQuery(CurAdo, QStringLiteral(" alter table %1 drop COLUMN %2").arg(SqlName(table), SqlName(field.trimmed())));
    ExecTmpQuery(CurAdo, QStringLiteral(" delete from p_tablefields where autoid = ?"),
                 {m_fields->fieldByName(QStringLiteral("autoid"))->asInteger()});
    m_fields->requery();
    ShowMsgHint(QStringLiteral("字段%1被删除").arg(field));
}

void TEditTableForm::updateControls()
{
    TListEditForm::updateControls();
    const bool editing = master()->isEditing();
    for (QPushButton *pushButton : std::as_const(m_commands))
        pushButton->setEnabled(!editing && !master()->isEmpty());
    // Moving to another table while editing would drop the field changes of this one.
    grid()->setEnabled(!editing);
    if (m_tableNameEdit && master()->state() == DataSet::State::Edit && IsSystemTable(currentTableName()))
        m_tableNameEdit->setReadOnly(true);
}

void TEditTableForm::showEvent(QShowEvent *event)
{
    TListEditForm::showEvent(event);
    if (m_shownOnce)
        return;
    m_shownOnce = true;
    if (auto *frame = qobject_cast<QMdiSubWindow *>(parentWidget()))
        frame->showMaximized();
}

void TEditTableForm::WndProc(const WindowMessage &message)
{
    if (IsMessage(message, MsgOpenRefNo) && master()->isEditing())
        ShowMsgHint(QStringLiteral("当前窗口正处于编辑状态,不能打开单据"));
    MessageReceiver::WndProc(message);
}
