#include "gui/dataaware/NullableDateEdit.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace {
// The lowest date stands for "no date" and shows as a blank.
const QDate kNullDate(1900, 1, 1);
}

NullableDateEdit::NullableDateEdit(QWidget *parent) : QDateEdit(parent)
{
    setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    setCalendarPopup(true);
    setMinimumDate(kNullDate);
    setSpecialValueText(QStringLiteral(" "));
    setQuietly(kNullDate);
    connect(this, &QDateEdit::dateChanged, this, [this] {
        if (!m_quiet)
            Q_EMIT userChanged();
    });
}

bool NullableDateEdit::isNull() const
{
    return date() == kNullDate;
}

QDate NullableDateEdit::dateOrNull() const
{
    return isNull() ? QDate() : date();
}

void NullableDateEdit::setDateOrNull(const QDate &date)
{
    setQuietly(date.isValid() && date > kNullDate ? date : kNullDate);
}

void NullableDateEdit::setQuietly(const QDate &date)
{
    m_quiet = true;
    setDate(date);
    m_quiet = false;
}

void NullableDateEdit::keyPressEvent(QKeyEvent *event)
{
    const bool allSelected = lineEdit()->selectedText() == lineEdit()->text();
    const bool erase = event->key() == Qt::Key_Delete || (event->key() == Qt::Key_Backspace && allSelected);
    if (erase && !isReadOnly()) {
        if (!isNull())
            setDate(kNullDate);  // told as a user change
        event->accept();
        return;
    }
    if (isNull() && !isReadOnly() && !event->text().isEmpty() && event->text().front().isDigit()) {
        setQuietly(QDate::currentDate());
        setSelectedSection(QDateTimeEdit::YearSection);
    }
    QDateEdit::keyPressEvent(event);
}
