#include "login/TLoginForm.h"

#include "core/db/AdoFunc.h"
#include "core/db/MainDatabase.h"
#include "core/errors/CorvaneError.h"
#include "core/globals/PubDm.h"
#include "gui/app/QuilletApplication.h"
#include "gui/dialogs/MessageSeam.h"
#include "login/LoginCheck.h"
#include "startup/TMainDMForm.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

namespace {

// The tile painted behind the dialog: a soft blue-grey weave.
QPixmap backgroundTile()
{
    QPixmap tile(32, 32);
    tile.fill(QColor(0xE8, 0xEF, 0xF7));
    QPainter painter(&tile);
    painter.setPen(QColor(0xDA, 0xE4, 0xF0));
    for (int i = 0; i < 32; i += 4)
        painter.drawLine(i, 0, 0, i);
    return tile;
}

} // namespace

TLoginForm::TLoginForm(QWidget *parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("LoginForm"));
    setFixedSize(631, 278);

    auto *userLabel = new QLabel(QStringLiteral("用户名:"), this);
    userLabel->setGeometry(180, 90, 70, 24);
    CbbUser_id = new QComboBox(this);
    CbbUser_id->setObjectName(QStringLiteral("CbbUser_id"));
    CbbUser_id->setEditable(true);
    CbbUser_id->setGeometry(255, 90, 200, 24);

    auto *passwordLabel = new QLabel(QStringLiteral("密码:"), this);
    passwordLabel->setGeometry(180, 126, 70, 24);
    edtPassword = new QLineEdit(this);
    edtPassword->setObjectName(QStringLiteral("edtPassword"));
    edtPassword->setEchoMode(QLineEdit::Password);
    edtPassword->setGeometry(255, 126, 200, 24);

    lbl1 = new QLabel(QStringLiteral("用户名或密码错误"), this);
    lbl1->setObjectName(QStringLiteral("lbl1"));
    QPalette red = lbl1->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    lbl1->setPalette(red);
    lbl1->setGeometry(255, 156, 200, 20);
    lbl1->hide();

    VNumLabel = new QLabel(QStringLiteral("V2.08"), this);
    VNumLabel->setObjectName(QStringLiteral("VNumLabel"));
    VNumLabel->setGeometry(540, 250, 80, 20);

    Buttonok = new QPushButton(QStringLiteral("确定(&O)"), this);
    Buttonok->setObjectName(QStringLiteral("Buttonok"));
    Buttonok->setGeometry(255, 190, 90, 28);
    Buttonok->setDefault(true);
    BtnCancel = new QPushButton(QStringLiteral("取消(&C)"), this);
    BtnCancel->setObjectName(QStringLiteral("BtnCancel"));
    BtnCancel->setGeometry(365, 190, 90, 28);

    connect(Buttonok, &QPushButton::clicked, this, &TLoginForm::ButtonokClick);
    connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);

    if (const QScreen *screen = QApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());

    FormCreate();
}

void TLoginForm::FormCreate()
{
    auto *dataModule = new TMainDMForm(qApp);
    const QString error = OpenMainDatabase(*dataModule);
    if (!error.isEmpty()) {
        MessageRequest request;
        request.icon = QMessageBox::NoIcon;
        request.title = QApplication::applicationName();
        request.text = error;
        MessageSeam::ask(request);
        CurAdo = QSqlDatabase();
        return;
    }
    CurAdo = dataModule->conADOConn;
    if (IsReadOnlyDatabase(CurAdo)) {
        // Said once, before anything is typed that could not be saved.
        MessageRequest request;
        request.icon = QMessageBox::Warning;
        request.title = QApplication::applicationName();
        request.text = ReadOnlyDatabaseWarning();
        MessageSeam::ask(request);
    }
    VNumLabel->setText(QStringLiteral("V") + SelTableStringValue(CurAdo, QStringLiteral("select Version from syspar")));
    LoadUserList(CurAdo);
}

void TLoginForm::LoadUserList(const QSqlDatabase &db)
{
    QStringList users;
    SqlAddPickList(db, QStringLiteral(" SELECT userId FROM Bs_User "), users);
    CbbUser_id->clear();
    CbbUser_id->addItems(users);
    if (!users.isEmpty())
        CbbUser_id->setCurrentIndex(0);
}

void TLoginForm::ButtonokClick()
{
    bool found = false;
    try {
        found = CheckLogin(CurAdo, CbbUser_id->currentText(), edtPassword->text());
    } catch (const CorvaneError &e) {
        QuilletApplication::showUncaughtError(e.message());
        return;
    }
    if (!found) {
        lbl1->show();
        return;
    }
    sCurUserId = CbbUser_id->currentText();
    accept();
}

void TLoginForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    edtPassword->setFocus();
}

void TLoginForm::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawTiledPixmap(rect(), backgroundTile());
}
