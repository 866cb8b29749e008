#pragma once

#include "core/dbfun/TableFieldDef.h"

#include <QList>
#include <QSqlDatabase>
#include <QString>

#include <optional>

// Creates or updates a bill data table from its definition (see BuildBillTable) and tells the
// user the outcome: "创建完成"/"更新完成", "创建错误"/"更新错误", or "数据表%s已经存在" /
// "数据表%s不存在,应先创建" when there was nothing to do. Returns true only when the table was
// built; the caller stops its own action silently otherwise.
bool CreateOrUpdataMainTable(const QSqlDatabase &db, const QString &table, bool update,
                             const std::optional<QList<TableFieldDef>> &defs = std::nullopt);
