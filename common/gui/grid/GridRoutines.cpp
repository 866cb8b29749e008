#include "gui/grid/GridRoutines.h"

#include "core/dataset/DataSet.h"
#include "gui/grid/DataGrid.h"
#include "gui/grid/TGridDispForm.h"

void SetSortMarking(DataGrid *grid, bool restore)
{
    grid->setSortMarkingEnabled(true);
    const DataSet *dataSet = grid->dataSet();
    grid->setSortMarkers(restore && dataSet ? grid->markersOfSortText(dataSet->sort()) : QList<SortMarker>());
}

void OnSortMarkingChanged(DataGrid *grid)
{
    grid->sortDataSetByMarkers();
}

bool SetDbColumnVisible(DataGrid *grid)
{
    TGridDispForm form(grid->window());
    return form.Enter(grid);
}

void SetDbGridSumList(DataGrid *grid, const QString &sumList)
{
    if (!sumList.isEmpty())
        grid->setFooterItems(ParseFooterList(sumList));
}
