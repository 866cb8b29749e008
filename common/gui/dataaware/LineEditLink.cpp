#include "gui/dataaware/LineEditLink.h"

#include "core/dataset/DataField.h"
#include "core/dataset/DataSource.h"
#include "core/text/TypedNumber.h"
#include "gui/dialogs/MessageBoxes.h"

#include <QEvent>
#include <QLineEdit>

LineEditLink::LineEditLink(QLineEdit *edit, DataSource *source, const QString &fieldName)
    : FieldLink(edit, source, fieldName), m_edit(edit)
{
    connect(edit, &QLineEdit::textEdited, this, &LineEditLink::typed);
    connect(edit, &QLineEdit::editingFinished, this, &LineEditLink::showUnlessUnreadable);
    edit->installEventFilter(this);
    refresh();
}

void LineEditLink::typed(const QString &text)
{
    const DataField *target = field();
    if (!target || !isNumericKind(target->kind())) {
        userChanged(text);
        return;
    }
    const auto plain = NormalizeTypedNumber(text);
    m_unreadable = false;
    if (plain && userChanged(*plain))
        return;
    // Kept as typed; the row's write is refused until the clerk mends it.
    m_unreadable = startUserEdit();
}

void LineEditLink::showUnlessUnreadable()
{
    if (!m_unreadable)
        refresh();
}

void LineEditLink::writePending()
{
    if (!m_unreadable)
        return;
    source()->refuseUpdate();
    ShowMsgWarn(QStringLiteral("“%1”不是正确的数字，请重新输入！").arg(m_edit->text().trimmed()));
    m_edit->setFocus();
    m_edit->selectAll();
}

void LineEditLink::showValue(const DataField *field)
{
    m_unreadable = false;
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
    // A line edit being destroyed still loses the focus in ~QWidget, when only its QWidget part
    // is left (qobject_cast no longer sees a QLineEdit): nothing to show then.
    if (watched == m_edit && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)
        && qobject_cast<QLineEdit *>(watched))
        showUnlessUnreadable();
    return FieldLink::eventFilter(watched, event);
}
