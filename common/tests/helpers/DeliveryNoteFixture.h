#pragma once

#include "core/report/ReportData.h"

#include <memory>

class DataSet;

// A saved delivery note in the open database (CurAdo) as the bill form hands it to reports:
// customer 上海联华超市, line i sells 货品i (two digits) for i x 10.25, the line amount 小计
// labelled 金额 and Refno hidden (tag -1); the company is 华东建材有限公司.
class DeliveryNoteFixture
{
public:
    explicit DeliveryNoteFixture(int lineCount);
    ~DeliveryNoteFixture();

    const ReportData &data() const { return m_data; }
    DataSet *header() const { return m_header.get(); }
    DataSet *lines() const { return m_lines.get(); }

private:
    std::unique_ptr<DataSet> m_header;
    std::unique_ptr<DataSet> m_lines;
    std::unique_ptr<DataSet> m_company;
    ReportData m_data;
};
