// Amounts whose capitals are derived take no negative value, and a new bill's typing starts in
// its first field.
#include "bills/form/SurfaceProperties.h"
#include "bills/form/TEditNoteForm.h"

#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/dbfun/BillColumns.h"
#include "gui/dialogs/MessageBoxes.h"
#include "tav/TtavDBCurrencyEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <algorithm>

namespace {

bool takesTyping(const QWidget *control)
{
    if (!control->isVisible() || !control->isEnabled() || control->focusPolicy() == Qt::NoFocus)
        return false;
    if (const auto *edit = qobject_cast<const QLineEdit *>(control))
        return !edit->isReadOnly();
    if (const auto *memo = qobject_cast<const QPlainTextEdit *>(control))
        return !memo->isReadOnly();
    return qobject_cast<const QComboBox *>(control) || qobject_cast<const QDateEdit *>(control)
        || qobject_cast<const TtavDBCurrencyEdit *>(control);
}

} // namespace

// The bank texts (capitals, one digit per box) have no sign: an amount that has them is never
// negative.
bool TEditNoteForm::amountHasCapitals(const QString &field) const
{
    if (field.isEmpty() || !QueryHea->isActive())
        return false;
    return QueryHea->findField(CapitalAmountColumn(field)) || QueryHea->findField(SmallPlaceColumn(field, MONEY_FIELDNAME_CH.front()))
        || QueryHea->findField(CapitalPlaceColumn(field, MONEY_FIELDNAME_CH.front()));
}

QString TEditNoteForm::amountFieldOf(const QObject *control) const
{
    if (const auto *box = qobject_cast<const TtavDBCurrencyEdit *>(control))
        return box->DataField();
    if (control == m_amountEntryEdit)
        return control->property(kAmountFieldProperty).toString();
    return {};
}

// The "-" key in an amount box whose capitals are derived does nothing; the first time the
// clerk is told why.
bool TEditNoteForm::refusesMinusKey(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if (!(key->key() == Qt::Key_Minus || key->text() == QStringLiteral("-")) || !amountHasCapitals(amountFieldOf(watched)))
        return false;
    if (!m_minusExplained) {
        m_minusExplained = true;
        ShowMsgHint(QStringLiteral("金额不能为负数：大写金额和金额格子没有负号"));
    }
    return true;
}

void TEditNoteForm::guardAmountBoxes()
{
    for (TtavDBCurrencyEdit *box : pnlPage->findChildren<TtavDBCurrencyEdit *>(Qt::FindDirectChildrenOnly))
        box->installEventFilter(this);
}

// The first field in reading order (top to bottom, then left to right) that takes typing.
void TEditNoteForm::focusFirstField()
{
    QList<QWidget *> fields;
    for (QWidget *control : pnlPage->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (takesTyping(control))
            fields.append(control);
    if (fields.isEmpty())
        return;
    const auto first = std::min_element(fields.cbegin(), fields.cend(), [](const QWidget *a, const QWidget *b) {
        return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
    });
    // A fresh focus: an amount box then starts at its units cell.
    if ((*first)->hasFocus())
        (*first)->clearFocus();
    (*first)->setFocus(Qt::OtherFocusReason);
}
