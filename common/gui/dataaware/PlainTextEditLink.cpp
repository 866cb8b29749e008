#include "gui/dataaware/PlainTextEditLink.h"

#include "core/dataset/DataField.h"

#include <QPlainTextEdit>

PlainTextEditLink::PlainTextEditLink(QPlainTextEdit *edit, DataSource *source, const QString &fieldName)
    : FieldLink(edit, source, fieldName), m_edit(edit)
{
    connect(edit, &QPlainTextEdit::textChanged, this, [this] {
        if (!isShowing())
            userChanged(m_edit->toPlainText());
    });
    refresh();
}

void PlainTextEditLink::showValue(const DataField *field)
{
    const QString text = field ? field->asString() : QString();
    if (m_edit->toPlainText() != text)
        m_edit->setPlainText(text);
}

void PlainTextEditLink::setControlReadOnly(bool readOnly)
{
    m_edit->setReadOnly(readOnly);
}
