#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

// "数据恢复": puts the database of a backup archive in place of the program's database.
class TRestoreForm : public QDialog
{
    Q_OBJECT

public:
    explicit TRestoreForm(QWidget *owner = nullptr);

    QLineEdit *edtFile;
    QToolButton *BtnChoose;
    QLabel *lblBusy;
    QPushButton *BtnOk;
    QPushButton *BtnCancel;

    void BtnChooseClick();
    void BtnOkClick();
};
