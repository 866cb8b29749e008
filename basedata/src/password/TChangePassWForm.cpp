#include "password/TChangePassWForm.h"

#include "core/globals/PubDm.h"
#include "gui/dialogs/MessageBoxes.h"
#include "password/PasswordChange.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

namespace {
QLineEdit *maskedBox(QWidget *parent, const QString &name, int top)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setEchoMode(QLineEdit::Password);
    box->setStyleSheet(QStringLiteral("lineedit-password-character: 42;")); // '*'
    box->setGeometry(112, top, 170, 22);
    return box;
}

void addLabel(QWidget *parent, const QString &text, int top)
{
    auto *label = new QLabel(text, parent);
    label->setGeometry(22, top, 88, 22);
}
}

TChangePassWForm::TChangePassWForm(QWidget *owner)
    : QDialog(owner), edtOldPass(maskedBox(this, QStringLiteral("edtOldPass"), 24)),
      edtNewPass(maskedBox(this, QStringLiteral("edtNewPass"), 60)),
      edtConfirmPass(maskedBox(this, QStringLiteral("edtConfirmPass"), 96)),
      BtnOk(new QPushButton(QStringLiteral("确定(&O)"), this)), BtnCancel(new QPushButton(QStringLiteral("退出(&C)"), this)),
      m_db(CurAdo), m_userId(sCurUserId)
{
    setObjectName(QStringLiteral("ChangePassWForm"));
    setWindowTitle(QStringLiteral("修改密码"));
    setFixedSize(305, 185);
    addLabel(this, QStringLiteral("请输入旧密码"), 24);
    addLabel(this, QStringLiteral("请输入新密码"), 60);
    addLabel(this, QStringLiteral("请确认新密码"), 96);
    edtConfirmPass->setToolTip(QStringLiteral("再次输入新密码，防止输入错误 "));
    BtnOk->setObjectName(QStringLiteral("BtnOk"));
    BtnOk->setGeometry(112, 140, 80, 26);
    BtnCancel->setObjectName(QStringLiteral("BtnCancel"));
    BtnCancel->setGeometry(202, 140, 80, 26);
    connect(BtnOk, &QPushButton::clicked, this, &TChangePassWForm::BtnOkClick);
    connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);

    if (const QScreen *screen = QApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

void TChangePassWForm::BtnOkClick()
{
    switch (ChangePassword(m_db, m_userId, edtOldPass->text(), edtNewPass->text(), edtConfirmPass->text())) {
    case PasswordChangeResult::WrongOldPassword:
        ShowMsgHint(QStringLiteral("旧密码不对"));
        return;
    case PasswordChangeResult::ConfirmationDiffers:
        ShowMsgHint(QStringLiteral("新密码确认不对"));
        return;
    case PasswordChangeResult::Failed:
        ShowMsgHint(QStringLiteral("修改失败"));
        return;
    case PasswordChangeResult::Changed:
        ShowMsgHint(QStringLiteral("密码修改成功！"));
        accept();
        return;
    }
}

void TChangePassWForm::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && event->modifiers() == Qt::NoModifier && !qobject_cast<QPushButton *>(focusWidget())) {
        focusNextChild();
        return;
    }
    QDialog::keyPressEvent(event);
}
