#pragma once

#include <QString>

class DataGrid;

// Turns sort marking on and clears the markers; with restore, marks the columns of the data
// set's current sort text (items in order, DESC or ASC only as an item's last word).
void SetSortMarking(DataGrid *grid, bool restore);

// Sorts the grid's data set by its markers ("a ASC,b DESC") and keeps the current row. The
// grid calls it itself whenever its markers change; nothing happens unless the set is open.
void OnSortMarkingChanged(DataGrid *grid);

// Opens the column dialog for the grid; true when the choice was applied.
bool SetDbColumnVisible(DataGrid *grid);

// Footers from a sum list ("金额:SUM;id:COUNT;名称:合计"); an empty list changes nothing.
void SetDbGridSumList(DataGrid *grid, const QString &sumList);
