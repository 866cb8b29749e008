#pragma once

#include <QSqlDatabase>

// Numbers of a new main-page tab (s_uiTab).

// One above the highest tab number used by an icon (s_ui, search results included) or by a
// tab, so a new tab never takes the number of an existing one; 1 when there is neither.
qint64 NewUiTabNo(const QSqlDatabase &db);

// One above the highest tab order, so a new tab comes last on the main page.
qint64 NewUiTabSeqNo(const QSqlDatabase &db);
