#include "gui/grid/DataGrid.h"

#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/dataset/DataSetTableModel.h"
#include "core/dataset/SortText.h"
#include "gui/dataaware/DataGridLink.h"
#include "gui/dbfun/DbGridColumns.h"
#include "gui/grid/GridFooter.h"
#include "gui/grid/SortMarkerHeader.h"

#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QScrollBar>

namespace {
constexpr int kFooterHeight = 22;
}

DataGrid::DataGrid(QWidget *parent) : QTableView(parent), m_header(new SortMarkerHeader(this))
{
    setHorizontalHeader(m_header);
    m_footer = new GridFooter(this);
    m_footer->hide();
    connect(m_header, &QHeaderView::sectionClicked, this, [this](int column) {
        clickTitle(column, QGuiApplication::keyboardModifiers().testFlag(Qt::ControlModifier));
    });
    connect(this, &DataGrid::sortMarkingChanged, this, &DataGrid::sortDataSetByMarkers);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, m_footer, qOverload<>(&QWidget::update));
    setSelectionMode(QAbstractItemView::SingleSelection);  // screens that pick several rows say so
    setOptions(DBGridBrowseMode);
}

DataGrid::~DataGrid() = default;

void DataGrid::setDataSet(DataSet *dataSet)
{
    delete m_link;
    if (m_dataSet)
        disconnect(m_dataSet, nullptr, this, nullptr);
    m_dataSet = dataSet;
    if (!dataSet) {
        setModel(nullptr);
        return;
    }
    m_link = new DataGridLink(this, dataSet);
    // Every column shown, in the set's order, at the default width: the header keeps its
    // sections by position across models, so what the last set had hidden, moved or widened at
    // a place would fall on whatever column of this one stands there.
    m_hiddenWidths.clear();
    for (int column = 0; column < m_header->count(); ++column) {
        m_header->setSectionHidden(column, false);
        m_header->resizeSection(column, m_header->defaultSectionSize());
        if (m_header->visualIndex(column) != column)
            m_header->moveSection(m_header->visualIndex(column), column);
    }
    connect(tableModel(), &QAbstractItemModel::modelReset, this, &DataGrid::applyPendingLayout);
    for (auto signal : {&DataSet::rowsReset, &DataSet::afterPost, &DataSet::figuresKnown})
        connect(dataSet, signal, this, &DataGrid::followData);
    connect(dataSet, &DataSet::rowInserted, this, &DataGrid::followData);
    connect(dataSet, &DataSet::rowRemoved, this, &DataGrid::followData);
    connect(dataSet, &DataSet::rowChanged, this, &DataGrid::followData);
    connect(dataSet, &DataSet::fieldChanged, this, &DataGrid::followData);
    applyPendingLayout();
    followData();
}

DataSet *DataGrid::dataSet() const
{
    return m_dataSet;
}

DataSetTableModel *DataGrid::tableModel() const
{
    return m_link ? m_link->model() : nullptr;
}

DataField *DataGrid::fieldOfColumn(int column) const
{
    return tableModel() ? tableModel()->fieldAt(column) : nullptr;
}

int DataGrid::columnOfField(const QString &fieldName) const
{
    return GetColumnByFieldName(this, fieldName);
}

void DataGrid::followData()
{
    if (!m_footer->items().isEmpty())
        m_footer->refresh();
}

// ---- options -----------------------------------------------------------------------------

void DataGrid::setOptions(GridOptions options)
{
    m_options = options;
    setEditTriggers(options.testFlag(GridOption::Editing)
                        ? QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                              | QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked
                        : QAbstractItemView::NoEditTriggers);
    m_header->setVisible(options.testFlag(GridOption::Titles));
    verticalHeader()->setVisible(options.testFlag(GridOption::Indicator));
    m_header->setSectionResizeMode(options.testFlag(GridOption::ColumnResize) ? QHeaderView::Interactive
                                                                               : QHeaderView::Fixed);
    setShowGrid(options.testFlag(GridOption::Lines));
    setTabKeyNavigation(options.testFlag(GridOption::TabMovesCells));
    setSelectionBehavior(options.testFlag(GridOption::RowSelect) ? QAbstractItemView::SelectRows
                                                                  : QAbstractItemView::SelectItems);
}

void DataGrid::setTitleHeight(int height)
{
    m_header->setFixedHeight(height);
}

// ---- sort markers ------------------------------------------------------------------------

void DataGrid::setSortMarkers(const QList<SortMarker> &markers)
{
    m_header->setMarkers(markers);
}

const QList<SortMarker> &DataGrid::sortMarkers() const
{
    return m_header->markers();
}

bool DataGrid::isColumnSortable(int column) const
{
    const DataField *field = fieldOfColumn(column);
    return field && field->kind() != FieldKind::Blob;
}

QList<SortMarker> DataGrid::markersOfSortText(const QString &sortText) const
{
    QList<SortMarker> markers;
    for (const SortItem &item : parseSortText(sortText)) {
        const DataField *field = fieldOfColumn(columnOfField(item.field));
        const bool known = std::any_of(markers.cbegin(), markers.cend(), [&](const SortMarker &marker) {
            return field && marker.field.compare(field->name(), Qt::CaseInsensitive) == 0;
        });
        if (field && !known)
            markers.append({field->name(), item.descending});
    }
    return markers;
}

void DataGrid::clickTitle(int column, bool adding)
{
    if (!m_sortMarking || !isColumnSortable(column) || (m_dataSet && m_dataSet->isEditing()))
        return;
    setSortMarkers(ClickSortMarker(sortMarkers(), fieldOfColumn(column)->name(), adding));
    Q_EMIT sortMarkingChanged();
}

void DataGrid::sortDataSetByMarkers()
{
    if (!m_dataSet || !m_dataSet->isActive())
        return;
    const Bookmark current = m_dataSet->bookmark();
    m_dataSet->setSort(SortTextOfMarkers(sortMarkers()));
    m_dataSet->gotoBookmark(current);
}

// ---- footer and columns ------------------------------------------------------------------

void DataGrid::setFooterItems(const QList<FooterItem> &items)
{
    m_footer->setItems(items);
    m_footer->setVisible(!items.isEmpty());
    updateGeometries();
}

bool DataGrid::isColumnVisible(int column) const
{
    return column >= 0 && column < m_header->count() && !m_header->isSectionHidden(column);
}

void DataGrid::setColumnVisible(int column, bool visible)
{
    const DataField *field = fieldOfColumn(column);
    if (!field || visible == isColumnVisible(column))
        return;
    // A hidden section tells no width; the layout keeps the one it had.
    if (!visible)
        m_hiddenWidths.insert(field->name().toCaseFolded(), m_header->sectionSize(column));
    m_header->setSectionHidden(column, !visible);
}

void DataGrid::updateGeometries()
{
    // The table view lays out its headers and gives the viewport all the room below the
    // titles; the footer takes its row back from the bottom. Nested calls come from our own
    // margin change and have nothing more to do.
    if (m_layingOut)
        return;
    m_layingOut = true;
    QTableView::updateGeometries();
    // Not isVisible(): while the grid's screen is hidden behind another tab the footer still
    // needs its place, or it comes back wherever it last stood.
    if (!m_footer->isHidden()) {
        const QMargins margins = viewportMargins();
        setViewportMargins(margins.left(), margins.top(), margins.right(), kFooterHeight);
        const QRect area = viewport()->geometry();
        m_footer->setGeometry(area.left() - margins.left(), area.bottom() + 1, area.width() + margins.left(),
                              kFooterHeight);
        if (!verticalHeader()->isHidden())
            verticalHeader()->setGeometry(area.left() - margins.left(), area.top(), margins.left(), area.height());
        fitVerticalScrollRange();
        m_footer->update();
    }
    m_layingOut = false;
}

void DataGrid::fitVerticalScrollRange()
{
    // The range the table view set counted the footer's row as room for rows.
    if (verticalScrollMode() != QAbstractItemView::ScrollPerItem)
        return;
    const QHeaderView *rows = verticalHeader();
    const int room = viewport()->height();
    int fitting = 0;
    int used = 0;
    for (int visual = rows->count() - 1; visual >= 0; --visual) {
        const int logical = rows->logicalIndex(visual);
        if (rows->isSectionHidden(logical))
            continue;
        used += rows->sectionSize(logical);
        if (used > room)
            break;
        ++fitting;
    }
    verticalScrollBar()->setRange(0, qMax(0, rows->count() - fitting));
    verticalScrollBar()->setPageStep(qMax(1, fitting));
}

// ---- layout ------------------------------------------------------------------------------

GridLayout DataGrid::gridLayout() const
{
    GridLayout layout;
    for (int visual = 0; visual < m_header->count(); ++visual) {
        const int column = m_header->logicalIndex(visual);
        const DataField *field = fieldOfColumn(column);
        if (!field)
            continue;
        const bool hidden = m_header->isSectionHidden(column);
        const int width = hidden ? m_hiddenWidths.value(field->name().toCaseFolded(), m_header->defaultSectionSize())
                                 : m_header->sectionSize(column);
        layout.columns.append({field->name(), width, !hidden});
    }
    layout.sortText = SortTextOfMarkers(sortMarkers());
    layout.rowHeight = verticalHeader()->defaultSectionSize();
    return layout;
}

void DataGrid::applyGridLayout(const GridLayout &layout)
{
    m_pendingLayout = layout;
    applyPendingLayout();
}

void DataGrid::applyPendingLayout()
{
    if (!m_pendingLayout || !tableModel() || tableModel()->columnCount() == 0)
        return;
    const GridLayout layout = *m_pendingLayout;
    m_pendingLayout.reset();
    int place = 0;
    for (const GridColumnLayout &saved : layout.columns) {
        const int column = columnOfField(saved.field);
        if (column < 0)
            continue;
        m_header->moveSection(m_header->visualIndex(column), place++);
        setColumnVisible(column, true);
        if (saved.width > 0)
            m_header->resizeSection(column, saved.width);
        setColumnVisible(column, saved.visible);
    }
    if (layout.rowHeight > 0)
        verticalHeader()->setDefaultSectionSize(layout.rowHeight);
    setSortMarkers(markersOfSortText(layout.sortText));
}

bool DataGrid::restoreLayout(const QString &path)
{
    const std::optional<GridLayout> layout = LoadGridLayout(path, m_layoutSection);
    if (layout)
        applyGridLayout(*layout);
    return layout.has_value();
}

bool DataGrid::saveLayout(const QString &path) const
{
    return SaveGridLayout(path, m_layoutSection, gridLayout());
}

// ---- pop-up menu -------------------------------------------------------------------------

QMenu *DataGrid::popupMenu()
{
    if (!m_menu)
        m_menu = new QMenu(this);
    return m_menu;
}

void DataGrid::contextMenuEvent(QContextMenuEvent *event)
{
    if (m_menu && !m_menu->isEmpty())
        m_menu->popup(event->globalPos());
}
