#include "MessageScript.h"
#include "TestProgramFolder.h"

#include "TemporaryHome.h"

#include "core/db/AdoFunc.h"
#include "core/globals/PubDm.h"
#include "core/security/PasswordHash.h"
#include "login/TLoginForm.h"
#include "mainwindow/TM1Form.h"
#include "startup/Startup.h"
#include "startup/TMainDMForm.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlDatabase>
#include <QtTest>

namespace {
const QString kConnectError = QStringLiteral("不能连接数据库，请检查数据库设置");

// Runs a statement on the copied database without going through the program's connection.
void prepareDatabase(const QString &path, const QString &sql, const QVariantList &params = {})
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("prepare"));
        db.setDatabaseName(path);
        QVERIFY(db.open());
        ExecTmpQuery(db, sql, params);
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("prepare"));
}
}

class TestLogin : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_folder = std::make_unique<TestProgramFolder>();
        sCurUserId.clear();
    }

    void cleanup()
    {
        CurAdo = QSqlDatabase();
        qDeleteAll(qApp->findChildren<TMainDMForm *>(Qt::FindDirectChildrenOnly));
        m_folder.reset();
    }

    void login_data()
    {
        QTest::addColumn<QString>("userId");
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("shipped user") << "admin" << "admin" << true;
        QTest::newRow("blanks around the id") << "  admin " << "admin" << true;
        QTest::newRow("letter case ignored") << "ADMIN" << "Admin" << true;
        QTest::newRow("wrong password") << "admin" << "nimda" << false;
        QTest::newRow("unknown user") << "nobody" << "admin" << false;
        QTest::newRow("injection in password") << "admin" << "' or '1'='1" << false;
        QTest::newRow("injection in user id") << "' or '1'='1' --" << "x" << false;
        QTest::newRow("empty password") << "admin" << "" << false;
    }

    void login()
    {
        QFETCH(QString, userId);
        QFETCH(QString, password);
        QFETCH(bool, accepted);
        MessageScript messages;
        TLoginForm form;
        form.CbbUser_id->setEditText(userId);
        form.edtPassword->setText(password);
        form.Buttonok->click();
        QCOMPARE(form.result() == QDialog::Accepted, accepted);
        QCOMPARE(form.lbl1->isVisibleTo(&form), !accepted);
        QCOMPARE(sCurUserId, accepted ? userId : QString());
        QVERIFY(messages.shown().isEmpty());
        if (!accepted) {
            QCOMPARE(form.CbbUser_id->currentText(), userId);
            QCOMPARE(form.edtPassword->text(), password);
        }
    }

    void clearTextPasswordIsUpgradedToHash()
    {
        TLoginForm form;
        form.CbbUser_id->setEditText(QStringLiteral("admin"));
        form.edtPassword->setText(QStringLiteral("admin"));
        form.Buttonok->click();
        QVERIFY(form.result() == QDialog::Accepted);
        const QString stored = SelTableStringValue(CurAdo, QStringLiteral("select Password from Bs_User where UserId = 'admin'"));
        QVERIFY2(PasswordHash::isHash(stored), qPrintable(stored));
        QVERIFY(!stored.contains(QLatin1String("admin")));
        QVERIFY(PasswordHash::matches(QStringLiteral("ADMIN"), stored));
        QVERIFY(!PasswordHash::matches(QStringLiteral("admin2"), stored));

        TLoginForm again;
        again.CbbUser_id->setEditText(QStringLiteral("admin"));
        again.edtPassword->setText(QStringLiteral("admin"));
        again.Buttonok->click();
        QVERIFY(again.result() == QDialog::Accepted);
    }

    void userListAndVersion()
    {
        prepareDatabase(m_folder->databasePath(), QStringLiteral("insert into Bs_User (UserId, Password) values ('clerk', '')"));
        TLoginForm form;
        QCOMPARE(form.CbbUser_id->count(), 2);
        QCOMPARE(form.CbbUser_id->currentText(), QStringLiteral("admin"));
        QCOMPARE(form.VNumLabel->text(), QStringLiteral("V2.08"));
    }

    void versionWithoutValue_data()
    {
        QTest::addColumn<QString>("statement");
        QTest::newRow("NULL version") << "update syspar set Version = NULL";
        QTest::newRow("no syspar row") << "delete from syspar";
    }

    void versionWithoutValue()
    {
        QFETCH(QString, statement);
        prepareDatabase(m_folder->databasePath(), statement);
        TLoginForm form;
        QCOMPARE(form.VNumLabel->text(), QStringLiteral("V"));
    }

    void emptyUserTableAllowsNoLogin()
    {
        prepareDatabase(m_folder->databasePath(), QStringLiteral("delete from Bs_User"));
        TLoginForm form;
        QCOMPARE(form.CbbUser_id->count(), 0);
        form.CbbUser_id->setEditText(QStringLiteral("admin"));
        form.edtPassword->setText(QStringLiteral("admin"));
        form.Buttonok->click();
        QVERIFY(form.result() != QDialog::Accepted);
        QVERIFY(form.lbl1->isVisibleTo(&form));
    }

    void unusableDatabase_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("present");
        QTest::newRow("missing file") << QByteArray() << false;
        QTest::newRow("garbage file") << QByteArray("this is not a database at all, just text\n").repeated(200) << true;
        QTest::newRow("empty file") << QByteArray() << true;
    }

    void unusableDatabase()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, present);
        const QString path = m_folder->databasePath();
        QFile::remove(path);
        if (present) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        MessageScript messages;
        TLoginForm form;
        QCOMPARE(messages.texts(), QStringList{kConnectError});
        QVERIFY(!CurAdo.isValid());
        QCOMPARE(form.CbbUser_id->count(), 0);
        QCOMPARE(form.VNumLabel->text(), QStringLiteral("V2.08"));
        QCOMPARE(QFile::exists(path), present);
        if (present) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), content);
        }

        // Confirming without a connection reports an error and keeps the dialog.
        messages.clear();
        form.CbbUser_id->setEditText(QStringLiteral("admin"));
        form.edtPassword->setText(QStringLiteral("admin"));
        form.Buttonok->click();
        QCOMPARE(messages.shown().size(), 1);
        QVERIFY(form.result() != QDialog::Accepted);
    }

    void cancelLeavesMainWindowHidden()
    {
        StartupResult started = StartQuillet([](TLoginForm &login) {
            // The main window already exists while the login runs.
            const bool mainWindowExists = FmSysMain != nullptr;
            login.BtnCancel->click();
            return mainWindowExists ? login.result() : -1;
        });
        QVERIFY(!started.loggedIn);
        QVERIFY(started.mainWindow);
        QVERIFY(!started.mainWindow->isVisible());
    }

    void successfulLoginShowsMainWindow()
    {
        StartupResult started = StartQuillet([](TLoginForm &login) {
            login.edtPassword->setText(QStringLiteral("admin"));
            login.Buttonok->click();
            return login.result();
        });
        QVERIFY(started.loggedIn);
        QVERIFY(started.mainWindow->isVisible());
        QCOMPARE(sCurUserId, QStringLiteral("admin"));
    }

private:
    TemporaryHome m_home; // the main window writes its shortcuts there
    std::unique_ptr<TestProgramFolder> m_folder;
};

QTEST_MAIN(TestLogin)
#include "tst_login.moc"
