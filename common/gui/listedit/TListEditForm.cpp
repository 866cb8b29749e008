#include "gui/listedit/TListEditForm.h"

#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/dataset/DataSource.h"
#include "core/grid/GridLayout.h"
#include "core/listedit/ListEditButtonStates.h"
#include "gui/dialogs/MessageBoxes.h"
#include "gui/grid/DataGrid.h"
#include "gui/grid/GridMenu.h"
#include "gui/grid/GridRoutines.h"
#include "gui/grid/SetFormControlStatus.h"
#include "gui/listedit/ListEditButton.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QVBoxLayout>

TListEditForm::TListEditForm(QWidget *parent)
    : QWidget(parent), m_master(new DataSet(this)), m_source(new DataSource(m_master, this)), m_grid(new DataGrid(this)),
      m_closeRefusal(QStringLiteral("编辑状态下不能直接关闭窗口，请先取消操作或保存操作后再关闭"))
{
    m_grid->setObjectName(QStringLiteral("SelDBGrid"));
    m_grid->setDataSet(m_master);
    AddGridMenuItems(m_grid);
    m_master->setBeforePost([this](DataSet &) { return checkRequiredFields(); });

    m_buttonBar = new QHBoxLayout;
    for (ListEditButtonKind kind : {ListEditButtonKind::New, ListEditButtonKind::Cancel, ListEditButtonKind::Save, ListEditButtonKind::Edit, ListEditButtonKind::Delete, ListEditButtonKind::Exit}) {
        QPushButton *button = MakeListEditButton(kind, this);
        m_buttonBar->addWidget(button);
        m_buttons.append(button);
    }
    m_buttonBar->addStretch();
    connect(button(NewButton), &QPushButton::clicked, this, [this] { newRecord(); });
    connect(button(CancelButton), &QPushButton::clicked, this, [this] { cancelRecord(); });
    connect(button(SaveButton), &QPushButton::clicked, this, [this] { saveRecord(); });
    connect(button(EditButton), &QPushButton::clicked, this, [this] { editRecord(); });
    connect(button(DeleteButton), &QPushButton::clicked, this, [this] { deleteRecord(); });
    connect(button(ExitButton), &QPushButton::clicked, this, &QWidget::close);

    m_content = new QVBoxLayout;
    m_content->addWidget(m_grid);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(m_buttonBar);
    layout->addLayout(m_content, 1);

    const auto follow = [this] { updateControls(); };
    connect(m_master, &DataSet::stateChanged, this, follow);
    connect(m_master, &DataSet::rowsReset, this, follow);
    connect(m_master, &DataSet::rowInserted, this, follow);
    connect(m_master, &DataSet::rowRemoved, this, follow);
    updateControls();
}

TListEditForm::~TListEditForm()
{
    // The grid goes before the data set it shows.
    delete m_grid;
}

void TListEditForm::hideButton(Button which)
{
    button(which)->hide();
}

void TListEditForm::openList(const QString &sql, const QVariantList &params)
{
    m_grid->setLayoutSection(QString::fromLatin1(metaObject()->className()) + m_grid->objectName());
    m_master->setSql(sql, params);
    m_master->open();
    if (!m_columns.isEmpty()) {
        GridLayout columns;
        for (DataField *field : m_master->fields()) {
            const auto named = std::find_if(m_columns.cbegin(), m_columns.cend(), [field](const Column &column) {
                return column.field.compare(field->name(), Qt::CaseInsensitive) == 0;
            });
            field->setVisible(named != m_columns.cend());
            if (named != m_columns.cend() && !named->title.isEmpty())
                field->setDisplayLabel(named->title);
        }
        for (const Column &column : std::as_const(m_columns))
            columns.columns.append({column.field, column.width, true});
        m_grid->applyGridLayout(columns);
    }
    if (QFileInfo::exists(GridLayoutFilePath()))
        m_grid->restoreLayout();
    m_grid->setTitleHeight(20);
    SetSortMarking(m_grid, false);
    updateControls();
}

bool TListEditForm::confirmDelete()
{
    return Confirm(QStringLiteral("确认删除？"));
}

void TListEditForm::newRecord()
{
    m_master->insert();
}

void TListEditForm::editRecord()
{
    m_master->edit();
}

void TListEditForm::saveRecord()
{
    if (m_master->post())
        afterSave();
}

void TListEditForm::cancelRecord()
{
    if (!confirmCancel())
        return;
    m_master->cancel();
    afterCancel();
}

void TListEditForm::deleteRecord()
{
    if (m_master->isEmpty() || !confirmDelete())
        return;
    m_master->deleteRecord();
}

void TListEditForm::updateControls()
{
    const ListEditButtonStates states = ListEditButtonStatesFor(m_master->state(), m_master->isEmpty());
    const bool enabled[] = {states.newRecord, states.cancel, states.save, states.edit, states.remove, states.exit};
    for (int which = NewButton; which <= ExitButton; ++which)
        m_buttons[which]->setEnabled(enabled[which]);
    m_grid->setOptions(m_master->isEditing() ? DBGridEditMode : DBGridBrowseMode);
    SetFormControlStatus(*m_master, this);
}

void TListEditForm::closeEvent(QCloseEvent *event)
{
    if (m_master->isEditing()) {
        ShowMsgHint(m_closeRefusal);
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}
