#include "designer/definitions/TSysSetForm.h"

#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/definitions/ParaValueChoices.h"
#include "gui/dbfun/PickListDelegate.h"
#include "gui/grid/DataGrid.h"

TSysSetForm::TSysSetForm(QWidget *owner)
    : TDefinitionListForm(QStringLiteral("系统设置"), owner), m_values(new PickListDelegate({}, this))
{
    // Wide enough for both columns with the row marks and a scroll bar.
    resize(520, 360);
    hideButton(NewButton);
    hideButton(DeleteButton);
    setColumns({{QStringLiteral("ParaName"), QStringLiteral("参数名称"), 303},
                {QStringLiteral("ParaValue"), QStringLiteral("设置内容"), 121}});
    openList(QStringLiteral("select * from bs_ParaList order by autoid "));
    // Readers look a switch up by its name: renaming one would turn it off unseen.
    master()->fieldByName(QStringLiteral("ParaName"))->setReadOnly(true);
    connect(master(), &DataSet::afterScroll, this, &TSysSetForm::offerValuesOfCurrentRow);
    master()->last();
    offerValuesOfCurrentRow();
}

void TSysSetForm::offerValuesOfCurrentRow()
{
    const DataField *type = master()->findField(QStringLiteral("Type"));
    const QStringList choices = type && !master()->isEmpty() ? ParaValueChoices(type->value()) : QStringList();
    m_values->setItems(choices);
    const int column = grid()->columnOfField(QStringLiteral("ParaValue"));
    if (column >= 0)
        grid()->setItemDelegateForColumn(column, choices.isEmpty() ? nullptr : m_values);
}
