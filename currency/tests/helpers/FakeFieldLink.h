#pragma once

#include "tav/TavFieldLink.h"

#include <QStringList>
#include <stdexcept>

// A field link over a one-record data set in memory, with a field named "金额". Writes the
// calls the control makes into `log`.
class FakeFieldLink : public TavFieldLink
{
public:
    explicit FakeFieldLink(QStringList &log) : m_log(log) {}

    double value = 0;
    bool writable = true;
    bool failWrite = false;

    bool open() const { return m_open; }
    bool editing() const { return m_editing; }
    void Open(double fieldValue)
    {
        m_open = true;
        value = fieldValue;
        RecordChanged();
        StateChanged();
    }
    void Close()
    {
        m_open = m_editing = false;
        RecordChanged();
        StateChanged();
    }
    // Another control put the data set into edit mode.
    void EditElsewhere()
    {
        m_editing = true;
        StateChanged();
    }
    void Post()
    {
        UpdateRecord();
        m_editing = false;
        StateChanged();
    }

    bool HasActiveField() const override { return m_open && DataSource() && FieldName() == QStringLiteral("金额"); }
    double FieldValue() const override { return value; }
    void SetFieldValue(double fieldValue) override
    {
        if (failWrite)
            throw std::runtime_error("金额超出范围");
        value = fieldValue;
        m_log << QStringLiteral("write %1").arg(fieldValue);
    }

protected:
    bool FieldCanModify() const override { return writable; }
    bool DataSetEditing() const override { return m_editing; }
    void EditDataSet() override
    {
        m_log << QStringLiteral("edit");
        m_editing = true;
        StateChanged();
    }
    void Bind() override {}

private:
    QStringList &m_log;
    bool m_open = false;
    bool m_editing = false;
};
