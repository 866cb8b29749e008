#pragma once

#include <QList>
#include <QString>

#include <optional>

// What the designer does when the kind of the selected fields is changed in the kind list.

inline const QString kGridKindRefusal = QStringLiteral("表格类型不能修改");

// Refused (the text to show) when the current field was or becomes a grid: a grid's columns
// hang on it by Tag.
std::optional<QString> KindChangeRefusal(const QString &oldKind, const QString &newKind);

// One selected field as the kind change sees it.
struct KindChangeField
{
    int tag = 0;
    QString kind;
    int digitalCount = 0;
};

// The columns a kind change writes into one field besides the kind.
struct KindChangeEffect
{
    int tag = 0;
    QString kind;
    std::optional<int> digitalCount;
    std::optional<bool> needPrint;
    std::optional<QString> xAlign;
};

// The fields that take the new kind and what each gets: every selected field but the grids
// (converting one would orphan its columns); 小写金额 gets 11 cells, 复选框 is not printed,
// 一般文本 aligns right, 等距字符串 keeps at least one cell (printing divides by the count).
QList<KindChangeEffect> KindChangeEffects(const QList<KindChangeField> &selected, const QString &newKind);

// A 等距字符串 prints its text spread over its cells: it needs at least one.
int SpacedStringCells(int digitalCount);
