#pragma once

#include "tav/TavFieldLink.h"
#include "tav/TtavCustomCurrencyEdit.h"

#include <memory>

// The currency edit bound to one numeric field of a data set through a field link. It shows
// the field of the current record, puts the data set into edit mode before the first typed
// change lands, and writes its value back when the record is updated (at the latest when the
// focus leaves it). It is read-only until it is entered while the field may be changed.
class TtavDBCurrencyEdit : public TtavCustomCurrencyEdit, private TavFieldLink::Client
{
    Q_OBJECT

public:
    explicit TtavDBCurrencyEdit(std::unique_ptr<TavFieldLink> link, QWidget *parent = nullptr);
    ~TtavDBCurrencyEdit() override;

    QObject *DataSource() const { return m_link->DataSource(); }
    // The source is dropped again when it is destroyed.
    void SetDataSource(QObject *source);
    QString DataField() const { return m_link->FieldName(); }
    void SetDataField(const QString &name) { m_link->SetFieldName(name); }
    // The link's read-only switch.
    bool ReadOnly() const { return m_link->ReadOnly(); }
    void SetReadOnly(bool readOnly) { m_link->SetReadOnly(readOnly); }

protected:
    void BeforeChange() override;
    // Puts the data set into edit mode; whether it is editing now.
    virtual bool EditCanModify();
    // The link reads the field again.
    virtual void Reset();

    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void DataChange() override;
    void EditingChange() override;
    void UpdateData() override;
    void SetFocused(bool focused);

    std::unique_ptr<TavFieldLink> m_link;
    QMetaObject::Connection m_sourceDestroyed;
    bool m_focused = false;
};
