#include "tav/TavFieldLink.h"

void TavFieldLink::SetDataSource(QObject *source)
{
    m_source = source;
    Bind();
    RecordChanged();
    StateChanged();
}

void TavFieldLink::SetFieldName(const QString &name)
{
    m_fieldName = name;
    Bind();
    RecordChanged();
    StateChanged();
}

void TavFieldLink::SetReadOnly(bool readOnly)
{
    m_readOnly = readOnly;
    StateChanged();
}

bool TavFieldLink::Edit()
{
    if (CanModify())
        EditDataSet();
    StateChanged();
    return m_editing;
}

void TavFieldLink::UpdateRecord()
{
    if (!m_modified)
        return;
    if (m_client)
        m_client->UpdateData();
    m_modified = false;
}

void TavFieldLink::RecordChanged()
{
    m_modified = false;
    if (m_client)
        m_client->DataChange();
}

void TavFieldLink::StateChanged()
{
    const bool editing = CanModify() && DataSetEditing();
    if (editing == m_editing)
        return;
    m_editing = editing;
    m_modified = false;
    if (m_client)
        m_client->EditingChange();
}
