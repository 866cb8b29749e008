#include "MessageScript.h"
#include "TestProgramFolder.h"

#include "password/TChangePassWForm.h"
#include "core/db/AdoFunc.h"
#include "core/globals/PubDm.h"
#include "core/security/PasswordHash.h"
#include "login/LoginCheck.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

class TestPasswordChange : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestProgramFolder> m_folder;
    std::unique_ptr<MessageScript> m_messages;

    static QVariant storedPassword()
    {
        return SelTableVariantValue(CurAdo, QStringLiteral("select Password from Bs_User where UserId = 'admin'"));
    }

    static void setStoredPassword(const QVariant &value)
    {
        ExecTmpQuery(CurAdo, QStringLiteral("update Bs_User set Password = ? where UserId = 'admin'"), {value});
    }

    // Types into the dialog and presses 确定; the dialog's result afterwards.
    int confirm(TChangePassWForm &form, const QString &oldPassword, const QString &newPassword, const QString &confirmation)
    {
        form.edtOldPass->setText(oldPassword);
        form.edtNewPass->setText(newPassword);
        form.edtConfirmPass->setText(confirmation);
        form.BtnOk->click();
        return form.result();
    }

private Q_SLOTS:
    void init()
    {
        m_folder = std::make_unique<TestProgramFolder>();
        m_folder->openDatabase();
        m_messages = std::make_unique<MessageScript>();
        sCurUserId = QStringLiteral("admin");
    }

    void cleanup()
    {
        m_messages.reset();
        m_folder.reset();
    }

    void refusals_data()
    {
        QTest::addColumn<QString>("userId");
        QTest::addColumn<QString>("oldPassword");
        QTest::addColumn<QString>("newPassword");
        QTest::addColumn<QString>("confirmation");
        QTest::addColumn<QString>("shown");
        QTest::newRow("wrong old password") << "admin" << "admim" << "neu" << "neu" << "旧密码不对";
        QTest::newRow("confirmation differs") << "admin" << "admin" << "neu1" << "neu2" << "新密码确认不对";
        QTest::newRow("wrong old before confirmation") << "admin" << "" << "neu1" << "neu2" << "旧密码不对";
        QTest::newRow("user row gone") << "nobody" << "" << "neu" << "neu" << "修改失败";
    }

    void refusals()
    {
        QFETCH(QString, userId);
        QFETCH(QString, oldPassword);
        QFETCH(QString, newPassword);
        QFETCH(QString, confirmation);
        QFETCH(QString, shown);
        sCurUserId = userId;
        TChangePassWForm form;
        QCOMPARE(confirm(form, oldPassword, newPassword, confirmation), int(QDialog::Rejected));
        QCOMPARE(m_messages->texts(), QStringList{shown});
        QCOMPARE(storedPassword(), QVariant(QStringLiteral("admin")));
        QVERIFY(CheckLogin(CurAdo, QStringLiteral("admin"), QStringLiteral("admin")));
    }

    void changes_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<QString>("loggedInAs");
        QTest::addColumn<QString>("oldPassword");
        QTest::addColumn<QString>("newPassword");
        QTest::addColumn<QString>("confirmation");
        QTest::newRow("clear-text row") << QVariant(QStringLiteral("admin")) << "admin" << "admin" << "Neu 9" << "Neu 9";
        QTest::newRow("old with blanks and other case") << QVariant(QStringLiteral("admin")) << "admin" << "  ADMIN " << "x" << "x"; // a one-letter password
        QTest::newRow("confirmation in other case") << QVariant(QStringLiteral("admin")) << "admin" << "admin" << "Neu9" << "nEU9";
        QTest::newRow("no password yet") << QVariant() << "admin" << "" << "erst" << "erst";
        QTest::newRow("hashed row") << QVariant(PasswordHash::make(QStringLiteral(" Geheim "))) << "admin" << " geheim " << "neu" << "neu";
        QTest::newRow("user id typed with blanks") << QVariant(QStringLiteral("admin")) << " Admin " << "admin" << "neu" << "neu";
    }

    // The new password, as typed, is stored as a hash, and the login takes it (and no longer the
    // old one).
    void changes()
    {
        QFETCH(QVariant, stored);
        QFETCH(QString, loggedInAs);
        QFETCH(QString, oldPassword);
        QFETCH(QString, newPassword);
        QFETCH(QString, confirmation);
        setStoredPassword(stored);
        sCurUserId = loggedInAs;
        TChangePassWForm form;
        QCOMPARE(confirm(form, oldPassword, newPassword, confirmation), int(QDialog::Accepted));
        QCOMPARE(m_messages->texts(), QStringList{QStringLiteral("密码修改成功！")});
        const QString now = storedPassword().toString();
        QVERIFY(PasswordHash::isHash(now));
        QVERIFY(PasswordHash::matches(newPassword, now));
        QVERIFY(CheckLogin(CurAdo, QStringLiteral("admin"), newPassword));
        QVERIFY(!CheckLogin(CurAdo, QStringLiteral("admin"), oldPassword.trimmed()));
    }

    void screen()
    {
        TChangePassWForm form;
        QCOMPARE(form.size(), QSize(305, 185));
        QCOMPARE(form.windowTitle(), QStringLiteral("修改密码"));
        for (QLineEdit *box : {form.edtOldPass, form.edtNewPass, form.edtConfirmPass})
            QCOMPARE(box->echoMode(), QLineEdit::Password);
        QCOMPARE(form.edtConfirmPass->toolTip(), QStringLiteral("再次输入新密码，防止输入错误 "));

        // Enter moves on from a box; on a button it presses it.
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.edtOldPass->setFocus();
        QTest::keyClick(form.edtOldPass, Qt::Key_Return);
        QCOMPARE(form.focusWidget(), form.edtNewPass);
        QVERIFY(m_messages->shown().isEmpty());
        form.BtnOk->setFocus();
        QTest::keyClick(form.BtnOk, Qt::Key_Return);
        QCOMPARE(m_messages->texts(), QStringList{QStringLiteral("旧密码不对")});
    }
};

QTEST_MAIN(TestPasswordChange)
#include "tst_passwordchange.moc"
