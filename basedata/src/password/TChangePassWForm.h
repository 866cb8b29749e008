#pragma once

#include <QDialog>
#include <QSqlDatabase>

class QLineEdit;
class QPushButton;

// "修改密码": the logged-in user changes the password.
class TChangePassWForm : public QDialog
{
    Q_OBJECT

public:
    explicit TChangePassWForm(QWidget *owner = nullptr);

    QLineEdit *edtOldPass;
    QLineEdit *edtNewPass;
    QLineEdit *edtConfirmPass;
    QPushButton *BtnOk;
    QPushButton *BtnCancel;

    void BtnOkClick();

protected:
    // Enter moves on like Tab, except on a button.
    void keyPressEvent(QKeyEvent *event) override;

private:
    QSqlDatabase m_db;
    QString m_userId;
};
