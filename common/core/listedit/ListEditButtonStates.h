#pragma once

#include "core/dataset/DataSet.h"

// Which buttons of a list-edit screen are enabled for a state of its master data set.
struct ListEditButtonStates
{
    bool newRecord = false;  // 新增
    bool cancel = false;     // 取消
    bool save = false;       // 保存
    bool edit = false;       // 修改
    bool remove = false;     // 删除
    bool exit = false;       // 退出

    bool operator==(const ListEditButtonStates &) const = default;
};

// New while browsing; save and cancel while editing or inserting; edit and delete while
// browsing rows; exit whenever no row is being edited (also when the list could not open, so
// the screen can always be left).
ListEditButtonStates ListEditButtonStatesFor(DataSet::State state, bool empty);
