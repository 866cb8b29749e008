#include "helpers/DeliveryNoteFixture.h"

#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/db/AdoFunc.h"
#include "core/globals/PubDm.h"
#include "core/report/CompanyReportQuery.h"

DeliveryNoteFixture::DeliveryNoteFixture(int lineCount)
    : m_header(std::make_unique<DataSet>()), m_lines(std::make_unique<DataSet>()), m_company(std::make_unique<DataSet>())
{
    ExecTmpQuery(CurAdo, QStringLiteral("update bs_compset set CompName = '华东建材有限公司'"));
    ExecTmpQuery(CurAdo, QStringLiteral("insert into 出货单 (Refno, 收货单位, 合计金额) values ('77', '上海联华超市', 0)"));
    for (int i = 1; i <= lineCount; ++i)
        ExecTmpQuery(CurAdo, QStringLiteral("insert into 出货单明细 (Refno, 品名, 小计) values ('77', ?, ?)"),
                     {QStringLiteral("货品%1").arg(i, 2, 10, QLatin1Char('0')), i * 10.25});
    m_header->setSql(QStringLiteral("select * from 出货单 where Refno = ?"), {QStringLiteral("77")});
    m_header->open();
    m_lines->setSql(QStringLiteral("select * from 出货单明细 where Refno = ? order by id"), {QStringLiteral("77")});
    m_lines->open();
    // The bill form labels grid columns with their captions.
    m_lines->fieldByName(QStringLiteral("小计"))->setDisplayLabel(QStringLiteral("金额"));
    m_lines->fieldByName(QStringLiteral("Refno"))->setTag(-1);
    OpenCompanyReportQuery(*m_company, CurAdo);
    m_data.addDataSet(QStringLiteral("出货单"), m_header.get());
    m_data.addDataSet(QStringLiteral("出货单明细"), m_lines.get());
    m_data.addDataSet(CompanyReportAlias(), m_company.get());
}

DeliveryNoteFixture::~DeliveryNoteFixture() = default;
