#pragma once

#include <QFlags>

class DataGrid;

enum class GridMenuItem {
    ExportToExcel = 0x1,  // "将表格中数据转入Excel": the grid's data set to a spreadsheet file
    ChooseColumns = 0x2,  // "设置表格显示": the column dialog
    SaveLayout = 0x4,     // "保存显示设置": the layout into the grid layout file, section replaced
};
Q_DECLARE_FLAGS(GridMenuItems, GridMenuItem)
Q_DECLARE_OPERATORS_FOR_FLAGS(GridMenuItems)

inline constexpr GridMenuItems AllGridMenuItems =
    GridMenuItems(GridMenuItem::ExportToExcel) | GridMenuItem::ChooseColumns | GridMenuItem::SaveLayout;

// Adds the common items to the grid's pop-up menu, in this order; screens add their own after.
void AddGridMenuItems(DataGrid *grid, GridMenuItems items = AllGridMenuItems);
