#pragma once

#include "core/grid/FooterList.h"
#include "core/grid/GridLayout.h"
#include "core/grid/SortMarker.h"
#include "gui/grid/GridOptions.h"

#include <QHash>
#include <QPointer>
#include <QTableView>

#include <optional>

class DataField;
class DataGridLink;
class DataSet;
class DataSetTableModel;
class GridFooter;
class QMenu;
class SortMarkerHeader;

// The data grid of every screen: a table view over a data set (one column per visible field,
// titled by its display label) with multi-column sort markers in the titles, an optional footer
// row of totals, hideable and movable columns, a layout that is saved to and restored from the
// grid layout file, and the edit and browse option sets.
class DataGrid : public QTableView
{
    Q_OBJECT

public:
    explicit DataGrid(QWidget *parent = nullptr);
    ~DataGrid() override;

    // Shows the data set (nullptr: nothing). The grid keeps its columns' layout by field name.
    void setDataSet(DataSet *dataSet);
    DataSet *dataSet() const;
    DataSetTableModel *tableModel() const;
    // The field of a model column, and the model column of a field (letter case ignored; -1).
    DataField *fieldOfColumn(int column) const;
    int columnOfField(const QString &fieldName) const;

    void setOptions(GridOptions options);
    GridOptions options() const { return m_options; }
    void setTitleHeight(int height);

    // Sort markers. While marking is on, a click on a title marks that column alone (again:
    // turns it round), Ctrl+click adds it or turns it round; every change emits
    // sortMarkingChanged. Clicks do nothing while the data set is being edited, and on columns
    // of pictures and other binary data.
    void setSortMarkingEnabled(bool enabled) { m_sortMarking = enabled; }
    bool isSortMarkingEnabled() const { return m_sortMarking; }
    void setSortMarkers(const QList<SortMarker> &markers);
    const QList<SortMarker> &sortMarkers() const;
    bool isColumnSortable(int column) const;
    // The markers of a sort text for the columns that the grid has: items in order, DESC or
    // ASC read only as an item's last word, each field at most once.
    QList<SortMarker> markersOfSortText(const QString &sortText) const;
    // Sorts the data set by the markers and stays on the current row; nothing unless open.
    void sortDataSetByMarkers();
    // Clicks a column's title as the user does (adding: Ctrl held).
    void clickTitle(int column, bool adding);

    // The footer row; no items hides it.
    void setFooterItems(const QList<FooterItem> &items);
    GridFooter *footer() const { return m_footer; }

    bool isColumnVisible(int column) const;
    void setColumnVisible(int column, bool visible);

    // Layout by field name. Applying before the data set has columns waits for them; restored
    // sort markers are shown, and the data set follows them at the next change of markers.
    GridLayout gridLayout() const;
    void applyGridLayout(const GridLayout &layout);
    // The section of the layout file: the form's class name followed by the grid's name.
    void setLayoutSection(const QString &section) { m_layoutSection = section; }
    const QString &layoutSection() const { return m_layoutSection; }
    // From and into the layout file (default: GridDisp.ini in the program folder). Restoring
    // from a missing file or section changes nothing and gives false.
    bool restoreLayout(const QString &path = GridLayoutFilePath());
    bool saveLayout(const QString &path = GridLayoutFilePath()) const;

    // The pop-up menu of the grid (right mouse button); empty menus do not show.
    QMenu *popupMenu();

Q_SIGNALS:
    void sortMarkingChanged();

protected:
    void updateGeometries() override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void applyPendingLayout();
    void fitVerticalScrollRange();
    void followData();

    SortMarkerHeader *m_header;
    GridFooter *m_footer;
    QPointer<DataGridLink> m_link;
    QPointer<DataSet> m_dataSet;
    QMenu *m_menu = nullptr;
    GridOptions m_options;
    bool m_sortMarking = false;
    bool m_layingOut = false;
    std::optional<GridLayout> m_pendingLayout;
    QHash<QString, int> m_hiddenWidths;  // by case-folded field name
    QString m_layoutSection;
};
