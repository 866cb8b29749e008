#pragma once

#include <QString>

// What the bill form's state gives its buttons and stamps.
struct BillStateInput
{
    bool editing = false;  // the header is being edited or inserted
    bool hasRow = false;   // the header has a current row (one being inserted counts)
    int flag = 0;          // -1 new, 1 audited; anything else is neither
    int dis = 0;           // 1 void
    QString baseKind;      // the kind of the bill's format

    bool operator==(const BillStateInput &) const = default;
};

struct BillButtonStates
{
    bool browseCommands = false;  // 新增, 套打, 设计, 数据, 复制, 退出
    bool saveCancel = false;      // 保存, 取消
    bool editDeleteAudit = false; // 修改, 删除, 审核
    bool recheck = false;         // 复查
    bool voidVisible = false;     // 作废
    bool voidEnabled = false;
    bool waybillVisible = false;  // 转快递单
    bool printVisible = false;    // 打印
    bool convertVisible = false;  // 转进账单 / 转支票
    bool auditStamp = false;      // the audit stamp; detail grids are read-only while it shows
    bool voidStamp = false;
};

BillButtonStates BillButtonStatesFor(const BillStateInput &input);
