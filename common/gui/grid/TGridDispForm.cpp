#include "gui/grid/TGridDispForm.h"

#include "gui/grid/DataGrid.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

TGridDispForm::TGridDispForm(QWidget *parent)
    : QDialog(parent), m_list(new QListWidget(this)), m_selectAll(new QCheckBox(QStringLiteral("全选"), this))
{
    setWindowTitle(QStringLiteral("选择表格显示列"));
    setFixedSize(293, 405);
    auto *ok = new QPushButton(QStringLiteral("确定"), this);
    auto *cancel = new QPushButton(QStringLiteral("取消"), this);
    ok->setObjectName(QStringLiteral("OkButton"));
    cancel->setObjectName(QStringLiteral("CancelButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_selectAll, &QCheckBox::toggled, this, [this](bool checked) {
        for (int row = 0; row < m_list->count(); ++row)
            m_list->item(row)->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    });

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_selectAll);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addLayout(buttons);
}

bool TGridDispForm::Enter(DataGrid *grid)
{
    fill(grid);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    if (exec() != QDialog::Accepted)
        return false;
    apply(grid);
    return true;
}

void TGridDispForm::fill(const DataGrid *grid)
{
    m_list->clear();
    const QAbstractItemModel *model = grid->model();
    const QHeaderView *header = grid->horizontalHeader();
    for (int visual = 0; model && visual < header->count(); ++visual) {
        const int column = header->logicalIndex(visual);
        auto *item = new QListWidgetItem(model->headerData(column, Qt::Horizontal).toString(), m_list);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        item->setCheckState(grid->isColumnVisible(column) ? Qt::Checked : Qt::Unchecked);
        item->setData(Qt::UserRole, column);
    }
}

void TGridDispForm::apply(DataGrid *grid) const
{
    for (int row = 0; row < m_list->count(); ++row) {
        const QListWidgetItem *item = m_list->item(row);
        grid->setColumnVisible(item->data(Qt::UserRole).toInt(), item->checkState() == Qt::Checked);
    }
}
