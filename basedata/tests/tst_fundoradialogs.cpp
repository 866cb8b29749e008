#include "LoaderWindow.h"
#include "MessageScript.h"
#include "TemporaryHome.h"
#include "TestProgramFolder.h"

#include "core/globals/PubDm.h"
#include "gui/modules/ModuleLoader.h"
#include "mainwindow/TM1Form.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>

// The dialogs of the real module, opened by menu id through the program's loader.
class TestFundoraDialogs : public QObject
{
    Q_OBJECT

private:
    TemporaryHome m_home; // the main window writes its shortcuts

private Q_SLOTS:
    void opensByMenuId_data()
    {
        QTest::addColumn<qint64>("menuId");
        QTest::addColumn<QString>("className");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QSize>("size");
        QTest::newRow("backup") << qint64(20115) << "TBackUpForm" << "数据备份" << QSize(454, 92);
        QTest::newRow("restore") << qint64(20120) << "TRestoreForm" << "数据恢复" << QSize(414, 110);
        QTest::newRow("password") << qint64(20130) << "TChangePassWForm" << "修改密码" << QSize(305, 185);
    }

    void opensByMenuId()
    {
        QFETCH(qint64, menuId);
        QFETCH(QString, className);
        QFETCH(QString, caption);
        QFETCH(QSize, size);
        TestProgramFolder folder;
        folder.openDatabase();
        MessageScript messages;
        sCurUserId = QStringLiteral("admin");
        TM1Form window;
        ShowLoaderWindow(window); // as after a login: the first showing opens the main page first
        messages.clear();

        QString seenClass, seenCaption, seenPath;
        QSize seenSize;
        QTimer closer;
        closer.setInterval(10);
        connect(&closer, &QTimer::timeout, this, [&] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            closer.stop();
            seenClass = QString::fromLatin1(dialog->metaObject()->className());
            seenCaption = dialog->windowTitle();
            seenSize = dialog->size();
            if (const auto *path = dialog->findChild<QLineEdit *>(QStringLiteral("edtPath")))
                seenPath = path->text();
            dialog->reject();
        });
        closer.start();
        window.OpenMenuForm(menuId, 0);

        QVERIFY2(messages.texts().isEmpty(), qPrintable(messages.texts().join(QLatin1Char('|'))));
        QCOMPARE(seenClass, className);
        QCOMPARE(seenCaption, caption);
        QCOMPARE(seenSize, size);
        if (className == QLatin1String("TBackUpForm"))
            QCOMPARE(seenPath, folder.databasePath());
        QVERIFY(!window.openScreens().findByCaption(caption)); // freed once closed
    }
};

QTEST_MAIN(TestFundoraDialogs)
#include "tst_fundoradialogs.moc"
