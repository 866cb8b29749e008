// The start-up benchmark's baseline: a bare Qt dialog of the login dialog's size with its two
// boxes and two buttons, shown modally.
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QDialog dialog;
    dialog.setFixedSize(631, 278);
    auto *user = new QComboBox(&dialog);
    user->setEditable(true);
    user->addItem(QStringLiteral("admin"));
    user->setGeometry(300, 100, 180, 24);
    auto *password = new QLineEdit(&dialog);
    password->setEchoMode(QLineEdit::Password);
    password->setGeometry(300, 140, 180, 24);
    (new QLabel(QStringLiteral("用户名:"), &dialog))->setGeometry(240, 100, 60, 24);
    (new QLabel(QStringLiteral("密码:"), &dialog))->setGeometry(240, 140, 60, 24);
    (new QPushButton(QStringLiteral("确定(&O)"), &dialog))->setGeometry(300, 200, 80, 26);
    (new QPushButton(QStringLiteral("取消(&C)"), &dialog))->setGeometry(400, 200, 80, 26);
    password->setFocus();
    return dialog.exec();
}
