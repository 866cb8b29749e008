#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// "数据备份": writes the database file into a password archive, by default in "backup/".
class TBackUpForm : public QDialog
{
    Q_OBJECT

public:
    explicit TBackUpForm(QWidget *owner = nullptr);

    QLineEdit *edtPath;
    QLabel *lblBusy;
    QPushButton *BtnOk;
    QPushButton *BtnCancel;

    void BtnOkClick();

protected:
    void showEvent(QShowEvent *event) override;
};
