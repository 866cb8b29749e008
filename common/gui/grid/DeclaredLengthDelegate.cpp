#include "gui/grid/DeclaredLengthDelegate.h"

#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/db/TableCatalog.h"
#include "gui/grid/DataGrid.h"

#include <QLineEdit>

namespace {

// "varchar(80)" and "char(80)": 80; 0 for text without a declared length and other kinds.
int declaredTextLength(const QString &declaredType)
{
    if (ColumnKindFromDeclaredType(declaredType) != ColumnKind::String)
        return 0;
    const qsizetype open = declaredType.indexOf(u'(');
    const qsizetype close = open < 0 ? -1 : declaredType.indexOf(u')', open + 1);
    if (close < 0)
        return 0;
    bool ok = false;
    const int length = declaredType.mid(open + 1, close - open - 1).trimmed().toInt(&ok);
    return ok && length > 0 ? length : 0;
}

int declaredLength(const DataField &field)
{
    const DataSet *set = field.dataSet();
    if (!set || set->tableName().isEmpty() || field.originColumn().isEmpty())
        return 0;
    for (const TableColumn &column : TableColumns(set->connection(), set->tableName()))
        if (column.name.compare(field.originColumn(), Qt::CaseInsensitive) == 0)
            return declaredTextLength(column.declaredType);
    return 0;
}

} // namespace

DeclaredLengthDelegate::DeclaredLengthDelegate(DataGrid *grid) : QStyledItemDelegate(grid), m_grid(grid) {}

void DeclaredLengthDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    auto *edit = qobject_cast<QLineEdit *>(editor);
    const DataField *field = m_grid->fieldOfColumn(index.column());
    if (edit && field) {
        if (const int length = declaredLength(*field); length > 0) {
            // The limit before the text: a line edit cuts what is longer than its limit.
            const int stored = int(index.data(Qt::EditRole).toString().size());
            edit->setMaxLength(qMax(length, stored));
        }
    }
    QStyledItemDelegate::setEditorData(editor, index);
}
