#include "gui/grid/GridMenu.h"

#include "gui/dialogs/MessageBoxes.h"
#include "gui/export/DataSetExport.h"
#include "gui/grid/DataGrid.h"
#include "gui/grid/GridRoutines.h"

#include <QMenu>

void AddGridMenuItems(DataGrid *grid, GridMenuItems items)
{
    QMenu *menu = grid->popupMenu();
    if (items.testFlag(GridMenuItem::ExportToExcel)) {
        QAction *action = menu->addAction(QStringLiteral("将表格中数据转入Excel"), grid, [grid] {
            if (grid->dataSet())
                DataSetExportToExcel(*grid->dataSet(), QString());
        });
        action->setStatusTip(action->text());
    }
    if (items.testFlag(GridMenuItem::ChooseColumns)) {
        QAction *action = menu->addAction(QStringLiteral("设置表格显示"), grid, [grid] { SetDbColumnVisible(grid); });
        action->setStatusTip(QStringLiteral("设置表格中哪些栏位显示或不显示"));
    }
    if (items.testFlag(GridMenuItem::SaveLayout)) {
        QAction *action = menu->addAction(QStringLiteral("保存显示设置"), grid, [grid] {
            if (!grid->saveLayout())
                ShowMsgWarn(QStringLiteral("显示设置保存失败：%1").arg(GridLayoutFilePath()));
        });
        action->setStatusTip(QStringLiteral("保存当前的表格显示设置"));
    }
}
