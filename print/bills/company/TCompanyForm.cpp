#include "bills/company/TCompanyForm.h"

#include "bills/company/CompanyEdit.h"
#include "bills/company/CompanyEntryRules.h"
#include "bills/company/CompanyRowDelegate.h"
#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/db/AdoFunc.h"
#include "core/db/Transaction.h"
#include "core/globals/PubDm.h"
#include "gui/dbfun/ReadExcel.h"
#include "gui/dialogs/FileDialogs.h"
#include "gui/dialogs/MessageBoxes.h"
#include "gui/export/DataSetExport.h"
#include "gui/grid/DataGrid.h"

#include <QItemSelectionModel>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

namespace {

// The list's columns with their titles; the export heads its sheet with these titles and the
// import reads them back.
const QList<QPair<QString, QString>> &companyListColumns()
{
    static const QList<QPair<QString, QString>> columns{
        {QStringLiteral("compname"), QStringLiteral("公司名称")},
        {QStringLiteral("identifier"), QStringLiteral("标识")},
        {QStringLiteral("compaddr"), QStringLiteral("地址")},
        {QStringLiteral("phone"), QStringLiteral("电话")},
        {QStringLiteral("contact"), QStringLiteral("联系人")},
        {QStringLiteral("telephone"), QStringLiteral("手机")},
        {QStringLiteral("province"), QStringLiteral("省")},
        {QStringLiteral("city"), QStringLiteral("市")},
        {QStringLiteral("area"), QStringLiteral("区")},
        {QStringLiteral("mailNO"), QStringLiteral("邮编")},
        {QStringLiteral("compbankname"), QStringLiteral("开户银行")},
        {QStringLiteral("compbankcount"), QStringLiteral("帐号")}};
    return columns;
}

QHash<QString, QString> companyColumnOfTitle()
{
    QHash<QString, QString> columnOfTitle;
    for (const auto &[column, title] : companyListColumns())
        columnOfTitle.insert(title, column);
    return columnOfTitle;
}

}  // namespace

TCompanyForm::TCompanyForm(QWidget *owner)
    : TListEditForm(owner), m_title(new QLabel(QStringLiteral("公司资料及账户资料设置"), this)),
      m_import(new QPushButton(QStringLiteral("Excel导入"), this)),
      m_export(new QPushButton(QStringLiteral("Excel导出"), this))
{
    setWindowTitle(QStringLiteral("公司资料设置"));
    resize(660, 440);
    m_title->setObjectName(QStringLiteral("TitleLabel"));
    contentLayout()->insertWidget(0, m_title, 0, Qt::AlignHCenter);

    // Entries are edited in their own editor, never in the list.
    hideButton(CancelButton);
    hideButton(SaveButton);
    m_import->setObjectName(QStringLiteral("ImportButton"));
    m_export->setObjectName(QStringLiteral("ExportButton"));
    const int exitAt = buttonBar()->indexOf(button(ExitButton));
    buttonBar()->insertWidget(exitAt, m_export);
    buttonBar()->insertWidget(exitAt, m_import);
    connect(m_import, &QPushButton::clicked, this, &TCompanyForm::importSheet);
    connect(m_export, &QPushButton::clicked, this,
            [this] { DataSetExportToExcel(*master(), QStringLiteral("单位资料.xlsx")); });

    grid()->setSelectionMode(QAbstractItemView::ExtendedSelection);
    grid()->setItemDelegate(new CompanyRowDelegate(grid()));
    connect(grid(), &QAbstractItemView::doubleClicked, this, [this](const QModelIndex &index) {
        if (index.isValid() && !master()->isEmpty())
            showEntry(false);
    });
    QMenu *menu = grid()->popupMenu();
    for (QAction *action : menu->actions())
        if (action->text() == QStringLiteral("将表格中数据转入Excel"))
            menu->removeAction(action);
    menu->addAction(QStringLiteral("删除选中行"), this, &TCompanyForm::deleteSelectedRows);
    menu->addAction(QStringLiteral("刷新"), this, &TCompanyForm::refreshList);

    QList<Column> columns;
    for (const auto &[field, title] : companyListColumns())
        columns.append({field, title});
    setColumns(columns);
    openList(CompanyListSql(), {-1});
    master()->last();
}

void TCompanyForm::openFrom(qint64 firstAutoid)
{
    master()->close();
    master()->setSql(CompanyListSql(), {firstAutoid});
    master()->open();
    master()->last();
}

void TCompanyForm::refreshList()
{
    openFrom(-1);
}

void TCompanyForm::showEntry(bool editing)
{
    const qint64 autoid = editing && master()->isEmpty() ? -1 : master()->fieldByName(QStringLiteral("autoid"))->asInteger();
    CompanyEdit(CurAdo, this, autoid, editing);
    master()->requery();
}

void TCompanyForm::newRecord()
{
    const int before = master()->recordCount();
    CompanyEdit(CurAdo, this, -1, true);
    master()->requery();
    if (master()->recordCount() > before)
        master()->last();
}

void TCompanyForm::editRecord()
{
    if (!master()->isEmpty())
        showEntry(true);
}

namespace {

// The confirmation, with what the deletion takes along when it removes the book's last default.
bool confirmDeleting(const QString &question, const QList<qint64> &autoids)
{
    const QString lost = DefaultsLostByDeleting(CurAdo, autoids);
    return Confirm(lost.isEmpty() ? question : question + QLatin1Char('\n') + lost);
}

} // namespace

bool TCompanyForm::confirmDelete()
{
    return confirmDeleting(QStringLiteral("确认删除单位资料？"), {master()->fieldByName(QStringLiteral("autoid"))->asInteger()});
}

void TCompanyForm::deleteSelectedRows()
{
    QList<qint64> ids;
    const DataField *autoid = master()->findField(QStringLiteral("autoid"));
    if (autoid && grid()->selectionModel())
        for (const QModelIndex &row : grid()->selectionModel()->selectedRows())
            ids.append(master()->value(row.row(), autoid).toLongLong());
    if (ids.isEmpty()) {
        ShowMsgHint(QStringLiteral("要先选中相关行，用鼠标拖动表格的左边框"));
        return;
    }
    if (!confirmDeleting(QStringLiteral("确认删除选中行？"), ids))
        return;
    {
        Transaction tx(CurAdo);
        for (qint64 id : std::as_const(ids))
            ExecTmpQuery(CurAdo, QStringLiteral("delete from bs_complist where autoid = ?"), {id});
        tx.commit();
    }
    master()->requery();
}

void TCompanyForm::importSheet()
{
    const QString file = GetOpenFileName(QString(), QStringLiteral("XLS"), QStringLiteral("选择导入的文件"),
                                         QStringLiteral("Excel文件|*.xls;*.xlsx"));
    if (file.isEmpty())
        return;
    qint64 first = 0;
    // An import never moves the book's defaults: a marked new own row would take them over.
    const int imported = ReadExcel(CurAdo, QString(), QStringLiteral("bs_compList"), file, first, companyColumnOfTitle(),
                                   DefaultMarksInBook(CurAdo));
    if (imported < 0) {
        ShowMsgWarn(QStringLiteral("读数据失败"));
        return;
    }
    if (imported == 0) {
        // Nothing new: the whole book stays listed.
        refreshList();
        ShowMsgHint(QStringLiteral("文件中没有可以导入的数据"));
        return;
    }
    openFrom(first);
    ShowMsgHint(QStringLiteral("导入完成"));
}
