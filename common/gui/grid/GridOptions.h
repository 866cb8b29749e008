#pragma once

#include <QFlags>

// What a data grid allows and shows.
enum class GridOption {
    Editing = 0x01,        // cells can be edited
    Titles = 0x02,         // the title row
    Indicator = 0x04,      // the row indicator column at the left
    ColumnResize = 0x08,   // columns can be resized by dragging their titles
    Lines = 0x10,          // column and row lines
    TabMovesCells = 0x20,  // Tab moves from cell to cell instead of to the next control
    RowSelect = 0x40,      // the whole current row is selected
};
Q_DECLARE_FLAGS(GridOptions, GridOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(GridOptions)

// A grid whose data set is being edited, and one that is only browsed.
inline constexpr GridOptions DBGridEditMode = GridOptions(GridOption::Editing) | GridOption::Titles | GridOption::Indicator
    | GridOption::ColumnResize | GridOption::Lines | GridOption::TabMovesCells;
inline constexpr GridOptions DBGridBrowseMode = GridOptions(GridOption::Titles) | GridOption::Indicator
    | GridOption::ColumnResize | GridOption::Lines | GridOption::TabMovesCells | GridOption::RowSelect;
