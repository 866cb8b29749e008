#pragma once

#include <QList>
#include <QSqlDatabase>
#include <QString>

// The tabs of the main page (s_uiTab). Tab 0 holds the favourites; the search results stand on
// a tab of their own that has no row.
struct UiTab
{
    int tabNo = 0;
    QString caption;
};

// The visible tabs in their order.
QList<UiTab> VisibleUiTabs(const QSqlDatabase &db);

// The tab number the bill search fills: one above every tab of s_uiTab, hidden ones included,
// so a search never replaces the icons of a hidden tab. Never 0.
int SearchResultTabNo(const QSqlDatabase &db);
