#include "mainwindow/MenuDefQueries.h"

#include "core/db/AdoFunc.h"
#include "core/db/TableCatalog.h"

namespace {

// `column` is one of the fixed column names below, never data.
QString menuDefValue(const QSqlDatabase &db, const char *column, int menuType, int menuId)
{
    return SelTableStringValue(db,
                               QStringLiteral("select %1 from s_MenuDef where MenuType = ? and MenuId = ?").arg(QLatin1String(column)),
                               {menuType, menuId});
}

} // namespace

QString GetMenuPackage(const QSqlDatabase &db, int menuType, int menuId)
{
    return menuDefValue(db, "Package", menuType, menuId);
}

QString GetMenuFormName(const QSqlDatabase &db, int menuType, int menuId)
{
    return menuDefValue(db, "FormName", menuType, menuId);
}

QString GetMenuCaption(const QSqlDatabase &db, int menuType, int menuId)
{
    return menuDefValue(db, "MenuCaption", menuType, menuId).trimmed();
}

qint64 DefaultTemplateRefNo(const QSqlDatabase &db, const QString &billType)
{
    if (!IsTableExists(db, QStringLiteral("p_NoteList")))
        return 0;
    return SelTableIntValue(db,
                            QStringLiteral("select RefNo from p_NoteList where NoteType = ? COLLATE NOCASE"
                                           " and \"default\" = '是' and DefNote = 1"),
                            {billType});
}
