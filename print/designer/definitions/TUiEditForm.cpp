#include "designer/definitions/TUiEditForm.h"

#include "core/dataset/DataSet.h"
#include "designer/definitions/UiTabListRules.h"

TUiEditForm::TUiEditForm(QWidget *owner) : TDefinitionListForm(QStringLiteral("主界面设置"), owner)
{
    setWindowState(Qt::WindowMaximized);
    setColumns({{QStringLiteral("TabNo"), QStringLiteral("序号"), 99},
                {QStringLiteral("Caption"), QStringLiteral("标题"), 179},
                {QStringLiteral("Visible"), QStringLiteral("是否可见"), 101}});
    SetUiTabRules(*master());
    openList(QStringLiteral("select * from s_uiTab order by TabNo "));
    master()->last();
}
