#include "bills/pickers/TPickDataForm.h"

#include "bills/pickers/PickResult.h"
#include "bills/pickers/PickStatement.h"
#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/grid/GridLayout.h"
#include "gui/grid/DataGrid.h"
#include "gui/grid/GridMenu.h"
#include "gui/grid/GridRoutines.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TPickDataForm::TPickDataForm(QWidget *owner)
    : QDialog(owner), m_rows(new DataSet(this)), m_grid(new DataGrid(this)), m_search(new QLineEdit(this)),
      m_searchButton(new QPushButton(QStringLiteral("查询"), this))
{
    setWindowTitle(QStringLiteral("选择"));
    resize(699, 408);
    m_rows->setObjectName(QStringLiteral("qryMaster"));
    m_rows->setReadOnly(true);
    m_search->setObjectName(QStringLiteral("edtSearchName"));
    m_grid->setObjectName(QStringLiteral("SelDBGrid"));
    m_grid->setDataSet(m_rows);
    m_grid->setOptions(DBGridBrowseMode);
    AddGridMenuItems(m_grid, GridMenuItems(GridMenuItem::ChooseColumns) | GridMenuItem::SaveLayout);

    auto *top = new QHBoxLayout;
    top->addWidget(m_search, 1);
    top->addWidget(m_searchButton);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_grid, 1);

    connect(m_searchButton, &QPushButton::clicked, this, &TPickDataForm::search);
    connect(m_grid, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex &index) {
        if (index.isValid() && !m_rows->isEmpty())
            accept();
    });
}

TPickDataForm::~TPickDataForm()
{
    // The grid goes before the rows it shows.
    delete m_grid;
}

void TPickDataForm::openPicker(const QSqlDatabase &db, const Picker &picker, const QStringList &searchFields)
{
    m_picker = picker;
    m_searchFields = searchFields;
    const PickStatement statement = PickListStatement(picker);
    m_rows->setConnection(db);
    m_rows->setSql(statement.sql, statement.params);
    m_rows->open();
    showColumns();
    m_grid->setTitleHeight(20);
    m_grid->setLayoutSection(picker.caption + QLatin1Char('_') + picker.table);
    if (QFileInfo::exists(GridLayoutFilePath()))
        m_grid->restoreLayout();
    SetSortMarking(m_grid, false);
    setWindowTitle(picker.caption);
}

void TPickDataForm::showColumns()
{
    const QList<PickColumn> columns = PickColumnsOfSpec(m_picker.columnSpec);
    for (DataField *field : m_rows->fields()) {
        const auto shown = std::find_if(columns.cbegin(), columns.cend(), [field](const PickColumn &column) {
            return column.field.compare(field->name(), Qt::CaseInsensitive) == 0;
        });
        field->setVisible(shown != columns.cend());
        if (shown != columns.cend())
            field->setDisplayLabel(shown->title);
    }
    GridLayout layout;
    for (const PickColumn &column : columns)
        layout.columns.append({column.field, 0, true});
    m_grid->applyGridLayout(layout);
}

void TPickDataForm::search()
{
    const PickStatement statement = PickSearchStatement(m_picker, m_searchFields, m_search->text());
    m_rows->close();
    m_rows->setSql(statement.sql, statement.params);
    m_rows->open();
}

QString TPickDataForm::chosenValues() const
{
    if (result() != QDialog::Accepted || m_rows->isEmpty())
        return QString();
    QStringList values;
    for (const QString &name : m_picker.returnFields)
        values.append(m_rows->fieldByName(name)->asString().trimmed());
    return JoinPickValues(values);
}
