#include "core/report/CompanyReportQuery.h"

#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"

#include <array>
#include <utility>

QString CompanyReportAlias()
{
    return QStringLiteral("公司资料");
}

void OpenCompanyReportQuery(DataSet &query, const QSqlDatabase &db)
{
    static const std::array<std::pair<const char *, const char *>, 8> labels{{
        {"CustomNo", "海关编号"},
        {"TaxID", "纳税识别号"},
        {"CompName", "公司名称"},
        {"CompName2", "公司名称二"},
        {"Addr", "地址一"},
        {"Addr2", "地址二"},
        {"PostCode", "邮编"},
        {"Tel", "电话"},
    }};
    query.close();
    query.setConnection(db);
    query.setSql(QStringLiteral("select * from bs_compset"));
    query.open();
    for (const auto &[column, label] : labels)
        if (DataField *field = query.findField(QLatin1String(column)))
            field->setDisplayLabel(QString::fromUtf8(label));
}
