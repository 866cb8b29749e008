#pragma once

#include "data/NoteSearch.h"

#include <QDialog>
#include <QSqlDatabase>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

// The bill search dialog: kind, part of the name, area and bank, and whether only the default
// format of each category is listed. The lists are pick-only and start with nothing chosen.
class TNoteQueryForm : public QDialog
{
    Q_OBJECT

public:
    TNoteQueryForm(const QSqlDatabase &db, QWidget *owner);

    NoteQuery query() const;

    QComboBox *NoteTypeComboBox;
    QLineEdit *NameEdit;
    QComboBox *AreaComboBox;
    QComboBox *BankComboBox;
    QCheckBox *OnlyCheckBox;
    QPushButton *OkButton;
    QPushButton *CancelButton;
};

// Shows the dialog modally; on 确定 fills `query` and returns true, otherwise leaves it as it
// was and returns false.
bool GetNoteQuery(const QSqlDatabase &db, QWidget *owner, NoteQuery &query);
