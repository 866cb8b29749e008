#include "mainwindow/MainMenuLayout.h"

#include <QStringList>

namespace {

constexpr int kBillForm = 20045;
constexpr int kHistoryQuery = 20055;

QList<MainMenuItem> billItems(int menuId)
{
    static const QStringList billTypes = {
        QStringLiteral("支票"),     QStringLiteral("进账单"),   QStringLiteral("电汇单"), QStringLiteral("现金缴款单"),
        QStringLiteral("托收凭证"), QStringLiteral("快递单"), QStringLiteral("送货单"), QStringLiteral("进仓单"),
    };
    QList<MainMenuItem> items;
    for (const QString &billType : billTypes)
        items.append({billType, MenuCommand::OpenBill, menuId});
    return items;
}

MainMenuItem screen(const char16_t *caption, int menuId, bool hidden = false)
{
    return {QString::fromUtf16(caption), MenuCommand::OpenScreen, menuId, hidden};
}

MainMenuItem separator(bool hidden = false)
{
    return {QStringLiteral("-"), MenuCommand::Separator, 0, hidden};
}

} // namespace

QList<MainMenuGroup> MainMenuLayout()
{
    QList<MainMenuItem> history = billItems(kHistoryQuery);
    history << separator() << MainMenuItem{QStringLiteral("清除历史数据"), MenuCommand::PurgeHistory};
    return {
        {QStringLiteral("单据填开"), billItems(kBillForm)},
        {QStringLiteral("历史数据查询"), history},
        {QStringLiteral("基础资料"),
         {screen(u"单位资料", 20095), screen(u"商品资料", 20135), screen(u"下拉内容编辑", 20140), screen(u"支票管理", 20065),
          separator(), MainMenuItem{QStringLiteral("清除基础资料"), MenuCommand::PurgeBaseData}, screen(u"设置", 20110)}},
        {QStringLiteral("自定义单据"), {screen(u"主界面定义", 20145), screen(u"单据类别", 20085), screen(u"数据表", 20075)}},
        {QStringLiteral("系统管理"),
         {screen(u"用户管理", 20125), screen(u"修改密码", 20130), screen(u"备份", 20115), screen(u"恢复", 20120)}},
    };
}
