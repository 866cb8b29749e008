#include "ExternalTool.h"
#include "MessageScript.h"
#include "SqliteShell.h"
#include "TestProgramFolder.h"

#include "helpers/DatabaseFixtures.h"

#include "backup/BackupArchive.h"
#include "backup/DatabaseBackup.h"
#include "backup/TBackUpForm.h"
#include "core/db/MainDatabase.h"
#include "core/globals/PubDm.h"
#include "gui/dialogs/FileDialogSeam.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

class TestDatabaseBackup : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestProgramFolder> m_folder;
    std::unique_ptr<MessageScript> m_messages;
    QList<FileDialogRequest> m_asked;

    // The save dialog answers with the proposed name in the proposed folder (or cancels).
    void answerSaveDialog(bool choose)
    {
        FileDialogSeam::setHandler([this, choose](const FileDialogRequest &request) {
            m_asked.append(request);
            return choose ? QDir(request.folder).filePath(request.fileName + '.' + request.defaultExtension) : QString();
        });
    }

private Q_SLOTS:
    void init()
    {
        m_folder = std::make_unique<TestProgramFolder>();
        m_folder->openDatabase();
        m_messages = std::make_unique<MessageScript>();
        m_asked.clear();
    }

    void cleanup()
    {
        FileDialogSeam::setHandler({});
        m_messages.reset();
        m_folder.reset();
    }

    // The archive opens with unzip and the password alone, holds the database under its bare
    // name, and the database is the committed state of the open file.
    void archiveHoldsTheCommittedDatabase()
    {
        insertUser(CurAdo, QStringLiteral("备份前"));
        QVERIFY(CurAdo.transaction());
        insertUser(CurAdo, QStringLiteral("未提交"));
        const QString archive = m_folder->file(QStringLiteral("backup/one.bak"));
        const ArchiveResult result = BackupDatabase(MainDatabaseFile(), archive);
        QVERIFY(CurAdo.rollback());
        QVERIFY2(result.ok, qPrintable(result.reason));

        const ToolRun listing = runTool(QStringLiteral("unzip"), {QStringLiteral("-Z1"), archive});
        QCOMPARE(listing.exitCode, 0);
        QCOMPARE(listing.output, QByteArray("data.db\n"));
        QVERIFY(runTool(QStringLiteral("unzip"), {QStringLiteral("-P"), QStringLiteral("wrong"), QStringLiteral("-p"), archive}).exitCode != 0);
        QTemporaryDir out;
        const ToolRun unpacked = runTool(QStringLiteral("unzip"), {QStringLiteral("-P"), QStringLiteral("vorp"), archive, QStringLiteral("-d"), out.path()});
        QCOMPARE(unpacked.exitCode, 0);
        const QString database = out.filePath(QStringLiteral("data.db"));
        QCOMPARE(SqliteShellRows(database, QStringLiteral("pragma integrity_check")), QStringList{QStringLiteral("ok")});
        const QStringList users = SqliteShellRows(database, QStringLiteral("select UserId from Bs_User order by autoid"));
        QCOMPARE(users, (QStringList{QStringLiteral("admin"), QStringLiteral("备份前")}));
        QCOMPARE(folderEntries(m_folder->file(QStringLiteral("backup"))), QStringList{QStringLiteral("one.bak")});
        QCOMPARE(folderEntries(m_folder->file(QStringLiteral("tmp"))), QStringList());
    }

    void anEarlierArchiveIsReplacedWhole()
    {
        const QString archive = m_folder->file(QStringLiteral("backup/same.bak"));
        writeFile(archive, QByteArray("an older file of that name"));
        QVERIFY(BackupDatabase(MainDatabaseFile(), archive).ok);
        QCOMPARE(runTool(QStringLiteral("unzip"), {QStringLiteral("-Z1"), archive}).output, QByteArray("data.db\n"));
    }

    void failuresWriteNothing_data()
    {
        QTest::addColumn<QString>("database");
        QTest::addColumn<QString>("archive");
        QTest::newRow("missing database") << "data/none.db" << "backup/keep.bak";
        QTest::newRow("not a database") << "data/garbage.db" << "backup/keep.bak";
        QTest::newRow("missing target folder") << "data/data.db" << "nosuch/new.bak";
        QTest::newRow("the database itself") << "data/data.db" << "data/../data/data.db";
    }

    void failuresWriteNothing()
    {
        QFETCH(QString, database);
        QFETCH(QString, archive);
        writeFile(m_folder->file(QStringLiteral("data/garbage.db")), QByteArray("no database here\n").repeated(100));
        const QByteArray earlier("an earlier archive");
        const QByteArray databaseBytes = fileBytes(m_folder->databasePath());
        writeFile(m_folder->file(QStringLiteral("backup/keep.bak")), earlier);

        const ArchiveResult result = BackupDatabase(m_folder->file(database), m_folder->file(archive));
        QVERIFY(!result.ok);
        QVERIFY(!result.reason.isEmpty());
        QCOMPARE(fileBytes(m_folder->file(QStringLiteral("backup/keep.bak"))), earlier);
        QCOMPARE(fileBytes(m_folder->databasePath()), databaseBytes);
        QCOMPARE(folderEntries(m_folder->file(QStringLiteral("backup"))), QStringList{QStringLiteral("keep.bak")});
        QVERIFY(!QFile::exists(m_folder->file(QStringLiteral("nosuch"))));
        QCOMPARE(folderEntries(m_folder->file(QStringLiteral("tmp"))), QStringList());
    }

    void proposedName_data()
    {
        QTest::addColumn<QDateTime>("when");
        QTest::addColumn<QString>("name");
        QTest::newRow("morning") << QDateTime(QDate(2024, 3, 5), QTime(7, 9, 59)) << "202403050709";
        QTest::newRow("year end") << QDateTime(QDate(2023, 12, 31), QTime(23, 59)) << "202312312359";
        QTest::newRow("same minute") << QDateTime(QDate(2023, 12, 31), QTime(23, 59, 30, 500)) << "202312312359";
    }

    void proposedName()
    {
        QFETCH(QDateTime, when);
        QFETCH(QString, name);
        QCOMPARE(BackupArchive::ProposedName(when), name);
    }

    // The dialog fills in the database path, creates the missing backup folder, proposes the
    // archive there and says it succeeded only with the archive written.
    void dialogBacksUpIntoTheBackupFolder()
    {
        QVERIFY(QDir(m_folder->file(QStringLiteral("backup"))).removeRecursively());
        answerSaveDialog(true);
        TBackUpForm form;
        form.show();
        QCOMPARE(form.size(), QSize(454, 92));
        QCOMPARE(form.edtPath->text(), m_folder->databasePath());
        QVERIFY(form.edtPath->isReadOnly());
        QVERIFY(form.lblBusy->isHidden());

        const QString before = BackupArchive::ProposedName(QDateTime::currentDateTime());
        form.BtnOk->click();
        const QString after = BackupArchive::ProposedName(QDateTime::currentDateTime());
        QCOMPARE(m_messages->texts(), QStringList{QStringLiteral("备份数据成功")});
        QCOMPARE(m_asked.size(), 1);
        QCOMPARE(m_asked.first().kind, FileDialogRequest::Save);
        QCOMPARE(QDir(m_asked.first().folder).absolutePath(), QDir(m_folder->file(QStringLiteral("backup"))).absolutePath());
        QCOMPARE(m_asked.first().defaultExtension, QStringLiteral("bak"));
        QVERIFY(m_asked.first().fileName == before || m_asked.first().fileName == after);
        QCOMPARE(folderEntries(m_folder->file(QStringLiteral("backup"))), QStringList{m_asked.first().fileName + QStringLiteral(".bak")});
        QVERIFY(form.lblBusy->isHidden());
        QVERIFY(form.BtnOk->isEnabled() && form.BtnCancel->isEnabled());
    }

    void dialogRefusals_data()
    {
        QTest::addColumn<bool>("databaseThere");
        QTest::addColumn<bool>("choose");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("database missing") << false << true << QStringList{"数据库文件%1不存在"};
        QTest::newRow("dialog cancelled") << true << false << QStringList();
    }

    void dialogRefusals()
    {
        QFETCH(bool, databaseThere);
        QFETCH(bool, choose);
        QFETCH(QStringList, shown);
        answerSaveDialog(choose);
        TBackUpForm form;
        form.show();
        if (!databaseThere)
            form.edtPath->setText(m_folder->file(QStringLiteral("data/none.db")));
        form.BtnOk->click();
        QCOMPARE(m_messages->texts(), shown.replaceInStrings(QStringLiteral("%1"), form.edtPath->text()));
        QCOMPARE(m_asked.size(), databaseThere ? 1 : 0);
        QCOMPARE(folderEntries(m_folder->file(QStringLiteral("backup"))), QStringList());
    }
};

QTEST_MAIN(TestDatabaseBackup)
#include "tst_databasebackup.moc"
