#include "data/UiTabs.h"

#include "core/db/AdoFunc.h"

#include <algorithm>

QList<UiTab> VisibleUiTabs(const QSqlDatabase &db)
{
    QSqlQuery query = RunStatement(db, QStringLiteral("select TabNo, Caption from s_uiTab where Visible <> 0 order by SeqNo, TabNo"));
    QList<UiTab> tabs;
    while (query.next())
        tabs.append({query.value(0).toInt(), query.value(1).toString().trimmed()});
    return tabs;
}

int SearchResultTabNo(const QSqlDatabase &db)
{
    const qint64 highest = SelTableIntValue(db, QStringLiteral("select max(TabNo) from s_uiTab"));
    return static_cast<int>(std::max<qint64>(highest, 0) + 1);
}
