#include "designer/model/AddFieldButtons.h"

#include "core/template/FieldGeometry.h"

const QList<AddFieldButton> &AddFieldButtons()
{
    static const QList<AddFieldButton> buttons = [] {
        const QList<std::pair<QString, EditKindIndex>> captions = {
            {QStringLiteral("编辑文本"), ekEditor},    {QStringLiteral("弹出选择"), ekPicker},
            {QStringLiteral("下拉选择"), ekDropDown},  {QStringLiteral("日期选择"), ekDate},
            {QStringLiteral("多行文本"), ekMemo},      {QStringLiteral("动态文本"), ekTextDisplay},
            {QStringLiteral("静态文本"), ekPlainText}, {QStringLiteral("复选文字"), ekCheckGroup},
            {QStringLiteral("多行表格"), ekGrid},      {QStringLiteral("单勾选框"), ekTick},
            {QStringLiteral("小写金额"), ekAmount},    {QStringLiteral("等距字符"), ekSpacedString},
            {QStringLiteral("多项勾选"), ekMultiTick}, {QStringLiteral("多项勾选2"), ekMultiTick2},
        };
        QList<AddFieldButton> list;
        for (const auto &[caption, kind] : captions)
            list.append({caption, kind, NewFieldSize(kind)});
        return list;
    }();
    return buttons;
}
