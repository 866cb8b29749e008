#include "bills/form/detail/DetailLineKeys.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QTableView>

namespace {

int firstVisibleColumn(const QAbstractItemView *grid)
{
    const auto *table = qobject_cast<const QTableView *>(grid);
    if (!table)
        return 0;
    const QHeaderView *header = table->horizontalHeader();
    for (int visual = 0; visual < header->count(); ++visual) {
        const int logical = header->logicalIndex(visual);
        if (!table->isColumnHidden(logical))
            return logical;
    }
    return 0;
}

} // namespace

DetailLineKeys::DetailLineKeys(QAbstractItemView *grid) : QObject(grid), m_grid(grid)
{
    grid->installEventFilter(this);
}

bool DetailLineKeys::eventFilter(QObject *watched, QEvent *event)
{
    // Keys that reach the grid while a cell is being edited belong to the editor.
    if (watched != m_grid || event->type() != QEvent::KeyPress || !m_grid->model()
        || m_grid->indexWidget(m_grid->currentIndex()))
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        return false;
    if (key->key() == Qt::Key_Escape) {
        bool dropped = false;
        Q_EMIT dropWanted(&dropped);
        return dropped;
    }
    const int rows = m_grid->model()->rowCount();
    const bool typing = rows == 0 && !key->text().isEmpty() && key->text().at(0).isPrint();
    Where where = Where::AtEnd;
    if (key->key() == Qt::Key_Insert)
        where = Where::AtCursor;
    else if (!(key->key() == Qt::Key_Down && rows > 0 && m_grid->currentIndex().row() == rows - 1) && !typing)
        return false;

    bool added = false;
    Q_EMIT lineWanted(where, &added);
    if (!added)
        return true;
    const int row = std::max(m_grid->currentIndex().row(), 0);
    const QModelIndex cell = m_grid->model()->index(std::min(row, m_grid->model()->rowCount() - 1), firstVisibleColumn(m_grid));
    m_grid->setCurrentIndex(cell);
    if (typing) {
        // The typed character starts the new line's first cell.
        m_grid->edit(cell);
        if (QWidget *editor = m_grid->indexWidget(cell)) {
            QKeyEvent typed(QEvent::KeyPress, key->key(), key->modifiers(), key->text());
            QApplication::sendEvent(editor, &typed);
        }
    }
    return true;
}
