#include "core/template/EditKinds.h"

const QStringList &array_Component_EditType()
{
    static const QStringList kinds = {
        QStringLiteral("编辑器"),   QStringLiteral("选择器"),   QStringLiteral("下拉选择"), QStringLiteral("日期编辑"),
        QStringLiteral("多行文本"), QStringLiteral("文本显示"), QStringLiteral("一般文本"), QStringLiteral("复选框"),
        QStringLiteral("表格"),     QStringLiteral("勾选框"),   QStringLiteral("小写金额"), QStringLiteral("等距字符串"),
        QStringLiteral("多项勾选"), QStringLiteral("多项勾选2"),
    };
    return kinds;
}

int GetEditType(const QString &name)
{
    return array_Component_EditType().indexOf(name);
}

const QString &EditKindName(EditKindIndex kind)
{
    return array_Component_EditType().at(kind);
}
