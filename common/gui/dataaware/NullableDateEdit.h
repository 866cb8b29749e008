#pragma once

#include <QDateEdit>

// A date edit that can also be empty (a NULL date): Delete, or Backspace over the whole text,
// empties it; typing a digit into an empty edit starts from today.
class NullableDateEdit : public QDateEdit
{
    Q_OBJECT

public:
    explicit NullableDateEdit(QWidget *parent = nullptr);

    bool isNull() const;
    QDate dateOrNull() const;                 // invalid when empty
    void setDateOrNull(const QDate &date);    // an invalid date empties the edit

Q_SIGNALS:
    // The user typed, stepped, picked from the calendar or emptied the edit.
    void userChanged();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void setQuietly(const QDate &date);
    bool m_quiet = false;
};
