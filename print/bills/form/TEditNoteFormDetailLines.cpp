// The lines of a bill's detail grids: new lines from the keyboard and the pop-up menu, the
// cells of amount and picker columns, and editors that never outlive a save.
#include "bills/form/TEditNoteForm.h"

#include "bills/form/detail/AmountCellDelegate.h"
#include "bills/form/detail/DetailCellDelegate.h"
#include "bills/form/detail/DetailLineKeys.h"
#include "bills/form/detail/PickerCellDelegate.h"
#include "bills/pickers/PickData.h"
#include "bills/pickers/PickResult.h"
#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/db/AdoFunc.h"
#include "core/template/EditKindIndex.h"
#include "gui/grid/DataGrid.h"
#include "gui/grid/GridMenu.h"

#include <QMenu>

namespace {

constexpr int kDefaultAmountCells = 10;

} // namespace

void TEditNoteForm::setUpDetailGrid(int index, const QList<TemplateField> &columns)
{
    DataGrid *grid = m_grids.at(index).grid;
    grid->setItemDelegate(new DetailCellDelegate(grid));
    for (const TemplateField &column : columns) {
        const int at = grid->columnOfField(column.column());
        if (at < 0)
            continue;
        if (column.kind == ekAmount) {
            const int cells = column.digitalCount.value_or(0) > 0 ? *column.digitalCount : kDefaultAmountCells;
            grid->setItemDelegateForColumn(at, new AmountCellDelegate(cells, column.fitParam.value_or(2), grid));
        } else if (column.kind == ekPicker) {
            auto *picker = new PickerCellDelegate(grid);
            connect(picker, &PickerCellDelegate::pickRequested, this,
                    [this, index, column](const QModelIndex &) { GridOnEditBtnClick(index, column); });
            grid->setItemDelegateForColumn(at, picker);
        }
    }

    auto *keys = new DetailLineKeys(grid);
    connect(keys, &DetailLineKeys::lineWanted, this, [this, index](DetailLineKeys::Where where, bool *added) {
        *added = addDetailLine(index, where == DetailLineKeys::Where::AtCursor);
    });
    connect(keys, &DetailLineKeys::dropWanted, this, [this, index](bool *dropped) { *dropped = dropUntouchedLine(index); });
    AddGridMenuItems(grid);
    QMenu *menu = grid->popupMenu();
    menu->addSeparator();
    connect(menu->addAction(QStringLiteral("插入")), &QAction::triggered, this, [this, index] { addDetailLine(index, true); });
    connect(menu->addAction(QStringLiteral("删除")), &QAction::triggered, this, [this, index] { deleteDetailLine(index); });
}

bool TEditNoteForm::detailLinesLocked() const
{
    // No bill shown (新增 first), or an audited one.
    if (!QueryHea->isActive() || (QueryHea->isEmpty() && !QueryHea->isEditing()))
        return true;
    const DataField *flag = QueryHea->findField(QStringLiteral("Flag"));
    return flag && flag->asInteger() == 1;
}

// A line takes the header's RefNo (new-record handler) and puts the bill into edit; an audited
// bill takes none.
bool TEditNoteForm::addDetailLine(int index, bool atCursor)
{
    const DetailGrid &grid = m_grids.at(index);
    if (detailLinesLocked() || !headerEdit())
        return false;
    const bool added = atCursor && !grid.query->isEmpty() ? grid.query->insert() : grid.query->append();
    if (added)
        grid.grid->setFocus(Qt::OtherFocusReason);
    return added;
}

// A new line nothing was typed into goes as it came.
bool TEditNoteForm::dropUntouchedLine(int index)
{
    DataSet *query = m_grids.at(index).query;
    if (query->state() != DataSet::State::Insert || query->isModified())
        return false;
    query->cancel();
    return true;
}

void TEditNoteForm::deleteDetailLine(int index)
{
    const DetailGrid &grid = m_grids.at(index);
    finishGridEditing(false);
    if (grid.query->isEmpty() || detailLinesLocked() || !headerEdit())
        return;
    grid.query->deleteRecord();
    DtlTableAfterPost(grid);
}

// The picker of a grid column: its values go into the line's fields that the column names.
void TEditNoteForm::GridOnEditBtnClick(int index, const TemplateField &column)
{
    const DetailGrid &grid = m_grids.at(index);
    if (column.pickListName.trimmed().isEmpty() || detailLinesLocked())
        return;
    const QSqlDatabase db = connection();
    const int number = int(SelTableIntValue(db, QStringLiteral("select tagid from p_pickList where PickName = ?"),
                                            {column.pickListName.trimmed()}));
    const QString result = GetPickData(db, this, number);
    if (result.isEmpty() || !headerEdit())
        return;
    if (!grid.query->isEditing() && !(grid.query->isEmpty() ? grid.query->append() : grid.query->edit()))
        return;
    const QStringList targets = column.pickSetFields.split(QLatin1Char(','));
    const QStringList values = SplitPickValues(result);
    for (int i = 0; i < values.size() && i < targets.size(); ++i)
        if (DataField *target = grid.query->findField(targets.at(i).trimmed()))
            target->setValue(values.at(i).trimmed());
    if (column.pickListName.trimmed() == QStringLiteral("选择产品")) {
        DataField *nameAndSize = grid.query->findField(QStringLiteral("品名及规格"));
        const DataField *name = grid.query->findField(QStringLiteral("品名"));
        const DataField *size = grid.query->findField(QStringLiteral("规格"));
        if (nameAndSize && name && size)
            nameAndSize->setValue(name->asString().trimmed() + QLatin1Char(' ') + size->asString().trimmed());
    }
}

// Hands an open cell editor's text to its line (or drops it) and closes the editor, so nothing
// is left open to put the bill back into edit later.
void TEditNoteForm::finishGridEditing(bool commit)
{
    for (const DetailGrid &grid : std::as_const(m_grids)) {
        const QModelIndex cell = grid.grid->currentIndex();
        QWidget *editor = cell.isValid() ? grid.grid->indexWidget(cell) : nullptr;
        if (!editor)
            continue;
        QAbstractItemDelegate *delegate = grid.grid->itemDelegateForIndex(cell);
        if (commit)
            Q_EMIT delegate->commitData(editor);
        Q_EMIT delegate->closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}
