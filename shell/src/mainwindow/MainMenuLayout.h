#pragma once

#include <QList>
#include <QString>

// The items of the main menu, in order, with what each one does.
enum class MenuCommand {
    Separator,
    OpenBill,     // the default template of the bill type named by the caption, on `menuId`
    OpenScreen,   // the screen `menuId` with parameter 0
    PurgeHistory,
    PurgeBaseData,
};

struct MainMenuItem
{
    QString caption;
    MenuCommand command = MenuCommand::Separator;
    int menuId = 0;
    bool hidden = false;
};

struct MainMenuGroup
{
    QString caption;
    QList<MainMenuItem> items;
};

QList<MainMenuGroup> MainMenuLayout();
