#include "droplist/TDroplistForm.h"

#include "common/ConfirmDeleteBox.h"
#include "common/EnterMovesFocus.h"
#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/errors/CorvaneError.h"
#include "gui/dialogs/MessageBoxes.h"
#include "gui/grid/DataGrid.h"
#include "gui/grid/DeclaredLengthDelegate.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

namespace {
QPushButton *barButton(const QString &caption, const QString &hint, const QString &name, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setToolTip(hint);
    button->setObjectName(name);
    return button;
}

// Shows only the named field of the set, under that title.
void showOnly(DataSet &set, const QString &fieldName, const QString &title)
{
    for (DataField *field : set.fields())
        field->setVisible(field->name().compare(fieldName, Qt::CaseInsensitive) == 0);
    set.fieldByName(fieldName)->setDisplayLabel(title);
}
}

TDroplistForm::TDroplistForm(QWidget *owner)
    : QWidget(owner), m_names(new DataSet(this)), m_values(new DataSet(this)), m_nameGrid(new DataGrid),
      m_valueGrid(new DataGrid),
      m_new(barButton(QStringLiteral("新增(&N)"), QStringLiteral("新增单据内容"), QStringLiteral("NewButton"), this)),
      m_delete(barButton(QStringLiteral("删除(&D)"), QStringLiteral("删除当前内容"), QStringLiteral("DeleteButton"), this)),
      m_exit(barButton(QStringLiteral("退出(&X)"), QStringLiteral("退出当前窗口"), QStringLiteral("ExitButton"), this))
{
    resize(710, 505);
    auto *bar = new QHBoxLayout;
    bar->addWidget(m_new);
    bar->addWidget(m_delete);
    bar->addWidget(m_exit);
    bar->addStretch();

    m_nameGrid->setObjectName(QStringLiteral("NameDBGrid"));
    m_nameGrid->setOptions(DBGridBrowseMode);
    m_valueGrid->setObjectName(QStringLiteral("ValueDBGrid"));
    m_valueGrid->setOptions(DBGridEditMode);
    // A value never outgrows its column (p_BaseCode.DmValue varchar(80)).
    m_valueGrid->setItemDelegate(new DeclaredLengthDelegate(m_valueGrid));
    auto *splitter = new QSplitter(Qt::Horizontal, this);
    splitter->addWidget(m_nameGrid);
    splitter->addWidget(m_valueGrid);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({154, 556});

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(splitter, 1);

    m_values->setOnNewRecord([this](DataSet &row) { row.fieldByName(QStringLiteral("DmName"))->setValue(currentName()); });
    m_values->setSql(QStringLiteral("select * from p_BaseCode where DmName is ?"), {QVariant()});
    m_values->open();
    showOnly(*m_values, QStringLiteral("DmValue"), QStringLiteral("选项内容"));
    m_valueGrid->setDataSet(m_values);
    m_valueGrid->setTitleHeight(20);

    m_names->setSql(QStringLiteral("select distinct DmName from p_BaseCode order by DmName"));
    m_names->open();
    showOnly(*m_names, QStringLiteral("DmName"), QStringLiteral("下拉名称"));
    m_nameGrid->setDataSet(m_names);
    connect(m_names, &DataSet::afterScroll, this, [this] { showValuesOfCurrentName(); });
    showValuesOfCurrentName();

    connect(m_new, &QPushButton::clicked, this, [this] { addValue(); });
    connect(m_delete, &QPushButton::clicked, this, [this] { deleteValue(); });
    connect(m_exit, &QPushButton::clicked, this, &QWidget::close);
}

TDroplistForm::~TDroplistForm()
{
    // The grids go before the data sets they show.
    delete m_nameGrid;
    delete m_valueGrid;
}

QVariant TDroplistForm::currentName() const
{
    return m_names->isEmpty() ? QVariant(QStringLiteral("")) : m_names->fieldByName(QStringLiteral("DmName"))->value();
}

bool TDroplistForm::storePendingValue()
{
    if (!m_values->isEditing())
        return true;
    if (!m_values->isModified()) {
        m_values->cancel();
        return true;
    }
    try {
        return m_values->post();
    } catch (const DatabaseError &error) {
        ShowMsgerror(error.message());  // the row stays in edit
        return false;
    }
}

void TDroplistForm::showValuesOfCurrentName()
{
    if (!storePendingValue())
        return;
    m_values->close();
    m_values->setParams({currentName()});
    m_values->open();
}

void TDroplistForm::addValue()
{
    if (!storePendingValue())
        return;
    m_values->append();
    m_valueGrid->setFocus();
    m_valueGrid->setCurrentIndex(m_valueGrid->model()->index(m_values->recNo() - 1, m_valueGrid->columnOfField(QStringLiteral("DmValue"))));
}

void TDroplistForm::deleteValue()
{
    if (m_values->isEmpty() || !ConfirmDeleteBox())
        return;
    m_values->deleteRecord();
}

void TDroplistForm::closeEvent(QCloseEvent *event)
{
    // A value typed but not yet stored is stored as leaving its row would.
    if (!storePendingValue()) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

void TDroplistForm::keyPressEvent(QKeyEvent *event)
{
    if (EnterMovesFocus(this, event)) {
        focusNextChild();
        return;
    }
    QWidget::keyPressEvent(event);
}
