#include "ExternalTool.h"
#include "MessageScript.h"
#include "SqliteShell.h"
#include "TestProgramFolder.h"

#include "helpers/DatabaseFixtures.h"

#include "backup/DatabaseBackup.h"
#include "backup/TRestoreForm.h"
#include "core/archive/PasswordArchive.h"
#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/db/AdoFunc.h"
#include "core/db/MainDatabase.h"
#include "core/globals/PubDm.h"
#include "gui/dialogs/FileDialogSeam.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

namespace {
const QString kFormatFailure = QStringLiteral("数据恢复失败！可能文件格式不正确");
}

class TestDatabaseRestore : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestProgramFolder> m_folder;
    std::unique_ptr<MessageScript> m_messages;

    QString goodBackup()
    {
        const QString archive = m_folder->file(QStringLiteral("backup/good.bak"));
        if (!BackupDatabase(MainDatabaseFile(), archive).ok)
            qFatal("cannot make the backup fixture");
        return archive;
    }

    // An archive with the backup password holding the given files, named as given.
    QString archiveOf(const QList<QPair<QString, QByteArray>> &files, const QString &password = QStringLiteral("vorp"))
    {
        QTemporaryDir source;
        QStringList paths;
        for (const auto &[name, bytes] : files) {
            paths.append(source.filePath(name));
            writeFile(paths.last(), bytes);
        }
        const QString archive = m_folder->file(QStringLiteral("backup/fixture.bak"));
        if (!ZipFileLists(paths, archive, password).ok)
            qFatal("cannot make the archive fixture");
        return archive;
    }

    // A backup of the live database changed by the sqlite3 shell. "not null:<table>:<column>"
    // rebuilds that (empty) table with one more column, which ALTER TABLE cannot add.
    QString backupChangedBy(const QString &change)
    {
        QTemporaryDir source;
        const QString file = source.filePath(QStringLiteral("data.db"));
        if (!QFile::copy(m_folder->databasePath(), file))
            qFatal("cannot copy the database");
        QString sql = change;
        if (change.startsWith(QLatin1String("not null:"))) {
            const QStringList parts = change.split(QLatin1Char(':'));
            QString create = SelTableStringValue(CurAdo, QStringLiteral("select sql from sqlite_master where name = ?"), {parts.at(1)});
            create.insert(create.lastIndexOf(QLatin1Char(')')), QStringLiteral(", ") + parts.at(2));
            sql = QStringLiteral("drop table \"%1\"; %2;").arg(parts.at(1), create);
        }
        if (runTool(QStringLiteral("sqlite3"), {QStringLiteral("-bail"), file, sql}).exitCode != 0)
            qFatal("cannot change the backup fixture: %s", qPrintable(sql));
        return archiveOf({{QStringLiteral("data.db"), fileBytes(file)}});
    }

    QString restoreThroughDialog(const QString &archive)
    {
        TRestoreForm form;
        form.show();
        form.edtFile->setText(archive);
        form.BtnOk->click();
        [&] {
            QVERIFY(form.lblBusy->isHidden());
            QVERIFY(form.lblBusy->text().isEmpty());
            QVERIFY(form.BtnOk->isEnabled() && form.BtnCancel->isEnabled());
        }();
        return m_messages->lastText();
    }

    void verifyConnectionUsable()
    {
        QVERIFY(CurAdo.isOpen());
        insertUser(CurAdo, QStringLiteral("之后"));
        QVERIFY(hasUser(CurAdo, QStringLiteral("之后")));
        QVERIFY(SqliteShellRows(m_folder->databasePath(), QStringLiteral("select UserId from Bs_User"))
                    .contains(QStringLiteral("之后")));
    }

private Q_SLOTS:
    void init()
    {
        m_folder = std::make_unique<TestProgramFolder>();
        m_folder->openDatabase();
        m_messages = std::make_unique<MessageScript>();
    }

    void cleanup()
    {
        FileDialogSeam::setHandler({});
        m_messages.reset();
        m_folder.reset();
    }

    // A row deleted after the backup is back; an open data set goes on working on CurAdo,
    // which now writes the restored file.
    void restoreBringsBackADeletedRow()
    {
        insertUser(CurAdo, QStringLiteral("留存"));
        const QString archive = goodBackup();
        ExecTmpQuery(CurAdo, QStringLiteral("delete from Bs_User where UserId = ?"), {QStringLiteral("留存")});
        DataSet users;
        users.setSql(QStringLiteral("select autoid, UserId, UserName from Bs_User order by autoid"));
        users.open();
        QCOMPARE(users.recordCount(), 1);
        const QString connectionName = CurAdo.connectionName();

        QCOMPARE(restoreThroughDialog(archive), QStringLiteral("数据恢复成功！"));
        QCOMPARE(CurAdo.connectionName(), connectionName);
        QVERIFY(hasUser(CurAdo, QStringLiteral("留存")));
        users.requery();
        QCOMPARE(users.recordCount(), 2);
        QVERIFY(users.locate({QStringLiteral("UserId")}, {QStringLiteral("留存")}));
        users.edit();
        users.fieldByName(QStringLiteral("UserName"))->setValue(QStringLiteral("改过"));
        users.post();
        QCOMPARE(SqliteShellRows(m_folder->databasePath(), QStringLiteral("select UserName from Bs_User where UserId = '留存'")),
                 QStringList{QStringLiteral("改过")});
        verifyConnectionUsable();
        QCOMPARE(folderEntries(m_folder->file(QStringLiteral("data"))), QStringList{QStringLiteral("data.db")});
        QCOMPARE(folderEntries(m_folder->file(QStringLiteral("tmp"))), QStringList());
    }

    void refusedArchivesLeaveTheDatabase_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("wrong password") << "wrong password";
        QTest::newRow("truncated archive") << "truncated";
        QTest::newRow("damaged entry") << "damaged";
        QTest::newRow("not a database") << "text";
        QTest::newRow("another program's database") << "foreign";
        QTest::newRow("two entries") << "two";
        QTest::newRow("not a zip file") << "plain";
        QTest::newRow("no file named") << "empty";
        QTest::newRow("missing file") << "missing";
    }

    void refusedArchivesLeaveTheDatabase()
    {
        QFETCH(QString, kind);
        const QByteArray database = fileBytes(m_folder->databasePath());
        QString archive;
        if (kind == QLatin1String("wrong password")) {
            archive = archiveOf({{QStringLiteral("data.db"), database}}, QStringLiteral("other"));
        } else if (kind == QLatin1String("truncated") || kind == QLatin1String("damaged")) {
            archive = goodBackup();
            QByteArray bytes = fileBytes(archive);
            if (kind == QLatin1String("truncated"))
                bytes.truncate(bytes.size() / 2);
            else
                for (int i = 200; i < 260; ++i)
                    bytes[i] = char(bytes[i] ^ 0x5a);
            writeFile(archive, bytes);
        } else if (kind == QLatin1String("text")) {
            archive = archiveOf({{QStringLiteral("data.db"), QByteArray("just some text\n").repeated(300)}});
        } else if (kind == QLatin1String("foreign")) {
            QTemporaryDir other;
            const QString file = other.filePath(QStringLiteral("data.db"));
            QCOMPARE(runTool(QStringLiteral("sqlite3"), {file, QStringLiteral("create table Bs_User (UserId text)")}).exitCode, 0);
            archive = archiveOf({{QStringLiteral("data.db"), fileBytes(file)}});
        } else if (kind == QLatin1String("two")) {
            archive = archiveOf({{QStringLiteral("data.db"), database}, {QStringLiteral("readme.txt"), "x"}});
        } else if (kind == QLatin1String("plain")) {
            archive = m_folder->file(QStringLiteral("backup/plain.bak"));
            writeFile(archive, database);
        } else if (kind == QLatin1String("missing")) {
            archive = m_folder->file(QStringLiteral("backup/none.bak"));
        }

        QCOMPARE(restoreThroughDialog(archive), kFormatFailure);
        QCOMPARE(fileBytes(m_folder->databasePath()), database);
        QCOMPARE(folderEntries(m_folder->file(QStringLiteral("data"))), QStringList{QStringLiteral("data.db")});
        QCOMPARE(folderEntries(m_folder->file(QStringLiteral("tmp"))), QStringList());
        verifyConnectionUsable();
    }

    // A backup of another schema: what this version needs is missing, or a table the program
    // writes has a column every insert would have to fill. Refused, naming what differs, before
    // the live database is touched.
    void backupOfAnotherSchemaIsRefused_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("differs");
        QTest::newRow("program table lacks a column") << "alter table Bs_ProdList drop column PartSpec;"
                                                      << "数据表Bs_ProdList缺少字段PartSpec";
        QTest::newRow("bill table lacks a column the program uses") << "alter table 出货单 drop column 收货单位;"
                                                                    << "数据表出货单缺少字段收货单位";
        QTest::newRow("program table missing") << "drop table s_MenuIcon;" << "缺少数据表s_MenuIcon";
        QTest::newRow("bill table with a NOT NULL column") << "not null:出货单:审核人 text NOT NULL"
                                                           << "数据表出货单的字段审核人不能为空且没有默认值";
        QTest::newRow("program table with a NOT NULL column, default NULL")
            << "not null:p_Check:Verifier text NOT NULL DEFAULT NULL" << "数据表p_Check的字段Verifier不能为空且没有默认值";
        QTest::newRow("two differences") << "drop table s_MenuIcon; alter table Bs_ProdList drop column PartSpec;"
                                         << "缺少数据表s_MenuIcon；数据表Bs_ProdList缺少字段PartSpec";
    }
    void backupOfAnotherSchemaIsRefused()
    {
        QFETCH(QString, change);
        QFETCH(QString, differs);
        const QString archive = backupChangedBy(change);
        const QByteArray database = fileBytes(m_folder->databasePath());
        QCOMPARE(restoreThroughDialog(archive),
                 QStringLiteral("数据恢复失败！备份的数据库与本程序的数据结构不符：%1。原数据库未改变").arg(differs));
        QCOMPARE(fileBytes(m_folder->databasePath()), database);
        QCOMPARE(folderEntries(m_folder->file(QStringLiteral("data"))), QStringList{QStringLiteral("data.db")});
        QCOMPARE(folderEntries(m_folder->file(QStringLiteral("tmp"))), QStringList());
        verifyConnectionUsable();
    }

    // Additions (a table, nullable columns, a NOT NULL column with a default, a NOT NULL column
    // in a table the program never writes) restore, and bills save afterwards.
    void additiveBackupRestores()
    {
        const QString archive = backupChangedBy(QStringLiteral(
            "alter table 出货单 add column 备注2 text; alter table Bs_ProdList add column 产地 text; "
            "alter table p_Check add column 核对 int not null default 0; create table 附加 (x text not null); "
            "insert into 附加 values ('a');"));
        QCOMPARE(restoreThroughDialog(archive), QStringLiteral("数据恢复成功！"));
        QVERIFY(SqliteShellColumns(m_folder->databasePath(), QStringLiteral("出货单")).contains(QStringLiteral("备注2 TEXT")));
        QCOMPARE(SqliteShellRows(m_folder->databasePath(), QStringLiteral("select x from 附加")), QStringList{QStringLiteral("a")});
        ExecTmpQuery(CurAdo, QStringLiteral("insert into 出货单 (Refno, 收货单位) values ('1', '甲')"));
        ExecTmpQuery(CurAdo, QStringLiteral("insert into p_Check (NoteNo) values ('00000001')"));
        QCOMPARE(SqliteShellRows(m_folder->databasePath(), QStringLiteral("select 收货单位 from 出货单 where Refno = '1'")),
                 QStringList{QStringLiteral("甲")});
        verifyConnectionUsable();
    }

    // When the current file cannot be moved aside, it stays, is reopened, and the reason is shown.
    void fileThatCannotBeSwappedIsKept()
    {
        insertUser(CurAdo, QStringLiteral("留存"));
        const QString archive = goodBackup();
        ExecTmpQuery(CurAdo, QStringLiteral("delete from Bs_User where UserId = ?"), {QStringLiteral("留存")});
        const QByteArray database = fileBytes(m_folder->databasePath());
        const QString blocker = m_folder->file(QStringLiteral("data/data.db.before-restore"));
        QVERIFY(QDir().mkpath(blocker + QStringLiteral("/inside")));

        const QString shown = restoreThroughDialog(archive);
        QVERIFY2(shown.startsWith(QStringLiteral("数据恢复失败！")) && shown != kFormatFailure, qPrintable(shown));
        QCOMPARE(fileBytes(m_folder->databasePath()), database);
        QVERIFY(!hasUser(CurAdo, QStringLiteral("留存")));
        verifyConnectionUsable();
    }

    // The chooser starts in the backup folder, later in the folder of the named file.
    void chooserFolders()
    {
        QStringList folders;
        const QString chosen = m_folder->file(QStringLiteral("upload/old.bak"));
        FileDialogSeam::setHandler([&](const FileDialogRequest &request) {
            folders.append(QDir(request.folder).absolutePath());
            return request.kind == FileDialogRequest::Open ? chosen : QString();
        });
        TRestoreForm form;
        form.show();
        QCOMPARE(form.size(), QSize(414, 110));
        QVERIFY(form.lblBusy->isHidden());
        form.BtnChoose->click();
        QCOMPARE(form.edtFile->text(), chosen);
        form.BtnChoose->click();
        QCOMPARE(folders, (QStringList{QDir(m_folder->file(QStringLiteral("backup"))).absolutePath(),
                                       QDir(m_folder->file(QStringLiteral("upload"))).absolutePath()}));
    }
};

QTEST_MAIN(TestDatabaseRestore)
#include "tst_databaserestore.moc"
