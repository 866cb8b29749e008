#pragma once

#include <QDialog>

class QComboBox;
class QSqlDatabase;

// Picks another format of the same bill kind: the kind is shown but fixed, the kind's formats
// are listed by name with the first one selected.
class TChangeTypeForm : public QDialog
{
    Q_OBJECT

public:
    TChangeTypeForm(const QSqlDatabase &db, const QString &kind, QWidget *owner);

    QComboBox *kindList() const { return m_kinds; }
    QComboBox *formatList() const { return m_formats; }
    // The selected format; empty when the kind has none.
    QString chosenFormat() const;

private:
    QComboBox *m_kinds;
    QComboBox *m_formats;
};
