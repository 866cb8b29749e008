#pragma once

class DataSet;

// A new main-page tab (s_uiTab) takes a number no icon or tab uses yet, comes last in the tab
// order and is visible.
void SetUiTabRules(DataSet &tabs);
