#include "designer/definitions/TPrintTypeEditForm.h"

#include "core/dataset/DataSet.h"
#include "core/db/AdoFunc.h"
#include "core/globals/PubDm.h"
#include "designer/definitions/PrintTypeListRules.h"
#include "gui/dbfun/PickListDelegate.h"
#include "gui/grid/DataGrid.h"

TPrintTypeEditForm::TPrintTypeEditForm(QWidget *owner) : TDefinitionListForm(QStringLiteral("打印类别设置"), owner)
{
    // A fixed dialog without window buttons: it is left through 退出.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setWindowState(Qt::WindowMaximized);
    setColumns({{QStringLiteral("PrintName"), QStringLiteral("单据类别名称")},
                {QStringLiteral("PageNo"), QStringLiteral("界面序号")},
                {QStringLiteral("MainTableName"), QStringLiteral("主表名称")},
                {QStringLiteral("DtlTableName"), QStringLiteral("明细表名称")},
                {QStringLiteral("SubTableCount"), QStringLiteral("子表个数")}});
    SetPrintTypeDefaults(*master());
    openList(QStringLiteral("select * from s_PrintType order by id "));
    QStringList tables;
    SqlAddPickList(CurAdo, QStringLiteral("select TableName from p_tables"), tables);
    grid()->setItemDelegateForColumn(grid()->columnOfField(QStringLiteral("MainTableName")),
                                     new PickListDelegate(tables, grid()));
    master()->last();
}

bool TPrintTypeEditForm::checkRequiredFields()
{
    return PrintTypeRowAllowed(*master());
}

bool TPrintTypeEditForm::confirmDelete()
{
    return PrintTypeDeleteAllowed(*master());
}
