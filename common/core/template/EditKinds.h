#pragma once

#include <QString>
#include <QStringList>

// The 14 edit kinds of template fields. A field stores the kind's name; the kind's index is its
// position in this list (0 编辑器 ... 13 多项勾选2).
const QStringList &array_Component_EditType();

// The index of an edit-kind name (exact comparison), -1 when it is not a kind.
int GetEditType(const QString &name);

// Indexes of the kinds, for naming one in code: EditKindName(ekGrid) is 表格.
enum EditKindIndex {
    ekEditor = 0,
    ekPicker = 1,
    ekDropDown = 2,
    ekDate = 3,
    ekMemo = 4,
    ekTextDisplay = 5,
    ekPlainText = 6,
    ekCheckGroup = 7,
    ekGrid = 8,
    ekTick = 9,
    ekAmount = 10,
    ekSpacedString = 11,
    ekMultiTick = 12,
    ekMultiTick2 = 13,
};

const QString &EditKindName(EditKindIndex kind);
