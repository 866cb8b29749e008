#pragma once

#include <QSqlDatabase>
#include <QString>

class DataSet;

// The own company's data as reports see it: every column of bs_compset, the usual ones with
// their Chinese labels, published under "公司资料".
QString CompanyReportAlias();
void OpenCompanyReportQuery(DataSet &query, const QSqlDatabase &db);
