#pragma once

#include <QString>

class DataSet;

// The company book's statements and the rules of its entries (bs_complist rows).

// The list from a row id on (-1: every row), in row order.
QString CompanyListSql();
// One entry by its row id.
QString CompanyEntrySql();

// A new entry is a partner without default marks; an entry is written only with its full name
// ("单位全称不能为空" otherwise, the row stays in edit).
void SetCompanyEntryRules(DataSet &entries);
