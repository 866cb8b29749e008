#include "tav/TtavDBCurrencyEdit.h"

#include <QKeyEvent>
#include <stdexcept>

TtavDBCurrencyEdit::TtavDBCurrencyEdit(std::unique_ptr<TavFieldLink> link, QWidget *parent)
    : TtavCustomCurrencyEdit(parent), m_link(std::move(link))
{
    if (!m_link)
        throw std::invalid_argument("TtavDBCurrencyEdit needs a field link");
    SetOwnReadOnly(true);
    m_link->SetClient(this);
}

TtavDBCurrencyEdit::~TtavDBCurrencyEdit()
{
    m_link->SetClient(nullptr);
}

void TtavDBCurrencyEdit::SetDataSource(QObject *source)
{
    disconnect(m_sourceDestroyed);
    m_link->SetDataSource(source);
    if (source)
        m_sourceDestroyed = connect(source, &QObject::destroyed, this, [this] { m_link->SetDataSource(nullptr); });
}

void TtavDBCurrencyEdit::BeforeChange()
{
    EditCanModify();
    m_link->Modified();
    TtavCustomCurrencyEdit::BeforeChange();
}

bool TtavDBCurrencyEdit::EditCanModify()
{
    return m_link->Edit();
}

void TtavDBCurrencyEdit::Reset()
{
    m_link->Reset();
}

void TtavDBCurrencyEdit::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && m_link->Editing()) {
        Reset();
        event->accept();
        return;
    }
    TtavCustomCurrencyEdit::keyPressEvent(event);
}

void TtavDBCurrencyEdit::focusInEvent(QFocusEvent *event)
{
    TtavCustomCurrencyEdit::focusInEvent(event);
    SetFocused(true);
    MoveCursorToUnits();
    if (m_link->CanModify())
        SetOwnReadOnly(false);
}

void TtavDBCurrencyEdit::focusOutEvent(QFocusEvent *event)
{
    TtavCustomCurrencyEdit::focusOutEvent(event);
    try {
        m_link->UpdateRecord();
    } catch (...) {
        // The value could not be written: stay here so it can be corrected.
        setFocus(Qt::OtherFocusReason);
        throw;
    }
    SetFocused(false);
}

void TtavDBCurrencyEdit::DataChange()
{
    SetValue(m_link->HasActiveField() ? m_link->FieldValue() : 0);
}

void TtavDBCurrencyEdit::EditingChange()
{
    SetOwnReadOnly(!m_link->Editing());
}

void TtavDBCurrencyEdit::UpdateData()
{
    m_link->SetFieldValue(double(Value()));
}

void TtavDBCurrencyEdit::SetFocused(bool focused)
{
    if (m_focused == focused)
        return;
    m_focused = focused;
    Reset();
}
