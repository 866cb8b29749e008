#include "mainwindow/MainMenuLayout.h"
#include "core/globals/MenuIds.h"

#include <QStringList>

namespace {

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
    QList<MainMenuItem> history = billItems(MenuId::HistoryQuery);
    history << separator() << MainMenuItem{QStringLiteral("清除历史数据"), MenuCommand::PurgeHistory};
    return {
        {QStringLiteral("单据填开"), billItems(MenuId::BillForm)},
        {QStringLiteral("历史数据查询"), history},
        {QStringLiteral("基础资料"),
         {screen(u"单位资料", MenuId::CompanyBook), screen(u"商品资料", MenuId::Goods), screen(u"下拉内容编辑", MenuId::DropDownLists),
          screen(u"支票管理", MenuId::ChequeRegister), separator(true), MainMenuItem{QStringLiteral("清除基础资料"), MenuCommand::PurgeBaseData},
          screen(u"设置", MenuId::SystemSettings, true)}},
        {QStringLiteral("自定义单据"), {screen(u"主界面定义", MenuId::MainPageTabs), screen(u"单据类别", MenuId::BillKinds), screen(u"数据表", MenuId::DataTables)}},
        {QStringLiteral("系统管理"),
         {screen(u"用户管理", MenuId::Users), screen(u"修改密码", MenuId::ChangePassword), screen(u"备份", MenuId::Backup), screen(u"恢复", MenuId::Restore)}},
    };
}
