#pragma once

#include "core/dbfun/EditKinds.h"

#include <QString>

// Indexes of the edit kinds in array_Component_EditType, for naming one in code:
// EditKindName(ekGrid) is 表格.
enum EditKindIndex {
    ekNone = -1, // a stored name that is no kind
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

// The index of an edit-kind name (exact comparison), -1 when it is not a kind.
int GetEditType(const QString &name);

// The kind a stored FieldEditType names: blanks around it ignored, the older name 多项勾选_多个
// read as 多项勾选2; ekNone for anything else.
EditKindIndex EditKindOfStored(const QString &stored);
