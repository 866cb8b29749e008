#include "gui/dataaware/ComboBoxLink.h"

#include "core/dataset/DataField.h"

#include <QComboBox>
#include <QLineEdit>

ComboBoxLink::ComboBoxLink(QComboBox *box, DataSource *source, const QString &fieldName)
    : FieldLink(box, source, fieldName), m_box(box)
{
    connect(box, &QComboBox::textActivated, this, [this](const QString &text) { userChanged(text); });
    if (box->lineEdit())
        connect(box->lineEdit(), &QLineEdit::textEdited, this, [this](const QString &text) { userChanged(text); });
    refresh();
}

void ComboBoxLink::showValue(const DataField *field)
{
    const QString text = field ? field->asString() : QString();
    if (m_box->isEditable()) {
        if (m_box->currentText() != text)
            m_box->setEditText(text);
    } else {
        m_box->setCurrentIndex(m_box->findText(text));
    }
}

void ComboBoxLink::setControlReadOnly(bool readOnly)
{
    if (m_box->lineEdit())
        m_box->lineEdit()->setReadOnly(readOnly);
    else
        m_box->setEnabled(!readOnly);
}
