#pragma once

#include "designer/screen/NoteNameChoice.h"

#include <QDialog>
#include <QSqlDatabase>

class QComboBox;
class QLineEdit;
class QPushButton;

// "输入单据名称": the name, category and kind of a template that is made (mode New), renamed
// or copied. The kind can be chosen only for a new template. 确定 closes only on a name the mode
// accepts.
class TGetNoteNameForm : public QDialog
{
    Q_OBJECT

public:
    TGetNoteNameForm(const QSqlDatabase &db, QWidget *owner, const NoteNameChoice &given, const QString &refNo,
                     NoteNameMode mode);

    NoteNameChoice choice() const;

    QLineEdit *CategoryEdit;
    QLineEdit *NameEdit;
    QComboBox *KindBox;
    QPushButton *OkButton;
    QPushButton *CancelButton;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void OkButtonClick();

    QSqlDatabase m_db;
    QString m_refNo;
    NoteNameMode m_mode;
};
