#include "gui/dataaware/LineEditLink.h"

#include "core/dataset/DataField.h"

#include <QEvent>
#include <QLineEdit>

LineEditLink::LineEditLink(QLineEdit *edit, DataSource *source, const QString &fieldName)
    : FieldLink(edit, source, fieldName), m_edit(edit)
{
    connect(edit, &QLineEdit::textEdited, this, [this](const QString &text) { userChanged(text); });
    connect(edit, &QLineEdit::editingFinished, this, &LineEditLink::refresh);
    edit->installEventFilter(this);
    refresh();
}

void LineEditLink::showValue(const DataField *field)
{
    const QString text = !field ? QString() : (m_edit->hasFocus() ? field->asString() : field->displayText());
    if (m_edit->text() != text)
        m_edit->setText(text);
}

void LineEditLink::setControlReadOnly(bool readOnly)
{
    m_edit->setReadOnly(readOnly);
}

bool LineEditLink::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_edit && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut))
        refresh();
    return FieldLink::eventFilter(watched, event);
}
