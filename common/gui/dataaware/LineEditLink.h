#pragma once

#include "gui/dataaware/FieldLink.h"

class QLineEdit;

// A single-line edit: the display text while it has no focus, the plain value while the user
// types; every keystroke that makes a value of the field writes it. A number field takes what
// a clerk types (blanks, thousands separators); text that is no number stays in the box and
// refuses the row's write with a message, so a different number is never stored.
class LineEditLink : public FieldLink
{
    Q_OBJECT

public:
    LineEditLink(QLineEdit *edit, DataSource *source, const QString &fieldName);

protected:
    void showValue(const DataField *field) override;
    void setControlReadOnly(bool readOnly) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void writePending() override;

private:
    void typed(const QString &text);
    void showUnlessUnreadable();

    QLineEdit *m_edit;
    bool m_unreadable = false;  // the box shows text that is no value of its number field
};
