#include "designer/model/AddFieldButtons.h"

const QList<AddFieldButton> &AddFieldButtons()
{
    static const QList<AddFieldButton> buttons = {
        {QStringLiteral("编辑文本"), ekEditor, {180, 22}},       {QStringLiteral("弹出选择"), ekPicker, {180, 22}},
        {QStringLiteral("下拉选择"), ekDropDown, {100, 22}},     {QStringLiteral("日期选择"), ekDate, {100, 22}},
        {QStringLiteral("多行文本"), ekMemo, {100, 60}},         {QStringLiteral("动态文本"), ekTextDisplay, {180, 22}},
        {QStringLiteral("静态文本"), ekPlainText, {180, 22}},    {QStringLiteral("复选文字"), ekCheckGroup, {180, 22}},
        {QStringLiteral("多行表格"), ekGrid, {500, 200}},        {QStringLiteral("单勾选框"), ekTick, {20, 20}},
        {QStringLiteral("小写金额"), ekAmount, {180, 22}},       {QStringLiteral("等距字符"), ekSpacedString, {180, 22}},
        {QStringLiteral("多项勾选"), ekMultiTick, {20, 20}},     {QStringLiteral("多项勾选2"), ekMultiTick2, {20, 20}},
    };
    return buttons;
}
