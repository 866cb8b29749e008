#pragma once

#include <QSqlDatabase>
#include <QString>

// Look-ups of the screen definitions in s_MenuDef (module file, form class, caption) by menu
// type and menu id. A missing row gives the empty text.
QString GetMenuPackage(const QSqlDatabase &db, int menuType, int menuId);
QString GetMenuFormName(const QSqlDatabase &db, int menuType, int menuId);
// The caption without leading and trailing blanks.
QString GetMenuCaption(const QSqlDatabase &db, int menuType, int menuId);

// The RefNo of the bill type's default template (default "是" and DefNote 1); 0 when no
// template qualifies or the template table does not exist.
qint64 DefaultTemplateRefNo(const QSqlDatabase &db, const QString &billType);
