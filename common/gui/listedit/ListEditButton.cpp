#include "gui/listedit/ListEditButton.h"

#include <QPushButton>

namespace {
struct ButtonText
{
    const char16_t *caption;
    const char16_t *hint;
    const char *name;
};

// In the order of ListEditButtonKind.
const ButtonText kButtons[] = {
    {u"新增(&N)", u"新增单据内容", "NewButton"},   {u"取消(&C)", u"取消当前编辑内容", "CancelButton"},
    {u"保存(&S)", u"保存当前编辑内容", "SaveButton"}, {u"修改(&M)", u"修改当前单据内容", "EditButton"},
    {u"删除(&D)", u"删除当前内容", "DeleteButton"},   {u"退出(&X)", u"退出当前窗口", "ExitButton"},
};
}

QPushButton *MakeListEditButton(ListEditButtonKind kind, QWidget *parent)
{
    const ButtonText &text = kButtons[static_cast<int>(kind)];
    auto *button = new QPushButton(QString::fromUtf16(text.caption), parent);
    button->setToolTip(QString::fromUtf16(text.hint));
    button->setObjectName(QLatin1String(text.name));
    return button;
}
