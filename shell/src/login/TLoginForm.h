#pragma once

#include <QDialog>
#include <QSqlDatabase>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TMainDMForm;

// The login dialog. Its creation opens the database (CurAdo) and lists the users.
class TLoginForm : public QDialog
{
    Q_OBJECT

public:
    explicit TLoginForm(QWidget *parent = nullptr);

    void LoadUserList(const QSqlDatabase &db);

    QComboBox *CbbUser_id;
    QLineEdit *edtPassword;
    QLabel *lbl1;
    QLabel *VNumLabel;
    QPushButton *Buttonok;
    QPushButton *BtnCancel;

protected:
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void FormCreate();
    void ButtonokClick();
};
