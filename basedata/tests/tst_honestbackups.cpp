// Backups and restores that cannot be done say so and leave every earlier file as it was; what
// an interrupted one leaves behind is put right at the next start.
#include "MessageScript.h"
#include "SqliteShell.h"
#include "TestProgramFolder.h"

#include "helpers/DatabaseFixtures.h"

#include "backup/DatabaseBackup.h"
#include "backup/DatabaseRestore.h"
#include "backup/TBackUpForm.h"
#include "core/archive/PasswordArchive.h"
#include "core/db/AdoFunc.h"
#include "core/db/MainDatabase.h"
#include "core/files/Leftovers.h"
#include "core/globals/PubDm.h"
#include "gui/dialogs/FileDialogSeam.h"

#include <QDir>
#include <QDirIterator>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/mount.h>
#include <unistd.h>

namespace {

void writeFileIn(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    writeFile(path, bytes);
}

QStringList filesBelow(const QString &folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(QDir(folder).relativeFilePath(it.next()));
    files.sort();
    return files;
}

// A small file system that can be filled: mounted while the test runs (root only).
class SmallDisk
{
public:
    explicit SmallDisk(const QString &size)
    {
        m_mounted = geteuid() == 0
            && mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs", 0,
                     QStringLiteral("size=%1").arg(size).toLatin1().constData())
                == 0;
    }
    ~SmallDisk()
    {
        if (m_mounted)
            umount(QFile::encodeName(m_dir.path()).constData());
    }
    bool mounted() const { return m_mounted; }
    QString path(const QString &name) const { return m_dir.filePath(name); }

    // Leaves about `room` bytes free.
    void fill(qint64 room)
    {
        QFile filler(path(QStringLiteral("filler")));
        QVERIFY(filler.open(QIODevice::WriteOnly));
        const QByteArray block(4096, 'x');
        while (QStorageInfo(m_dir.path()).bytesAvailable() > room)
            if (filler.write(block) != block.size() || !filler.flush())
                break;
    }

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
};

} // namespace

class HonestBackups : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestProgramFolder> m_folder;
    std::unique_ptr<MessageScript> m_messages;

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

    // A full disk: "备份数据失败", and the earlier backup of that name is untouched.
    void fullDiskKeepsTheEarlierBackup()
    {
        SmallDisk disk(QStringLiteral("2m"));
        if (!disk.mounted())
            QSKIP("needs root to mount a small file system");
        const QString archive = disk.path(QStringLiteral("202401011200.bak"));
        QVERIFY(BackupDatabase(MainDatabaseFile(), archive).ok);
        const QByteArray earlier = fileBytes(archive);
        insertUser(CurAdo, QStringLiteral("新的"));
        disk.fill(6 * 1024);

        FileDialogSeam::setHandler([&](const FileDialogRequest &) { return archive; });
        TBackUpForm form;
        form.show();
        form.BtnOk->click();
        QCOMPARE(m_messages->lastText().section(QLatin1Char('\n'), 0, 0), QStringLiteral("备份数据失败"));
        QCOMPARE(fileBytes(archive), earlier);
        QCOMPARE(QDir(disk.path(QString())).entryList(QDir::Files | QDir::Hidden),
                 (QStringList{QStringLiteral("202401011200.bak"), QStringLiteral("filler")}));
        QCOMPARE(filesBelow(m_folder->file(QStringLiteral("tmp"))), QStringList());
    }

    // A database with the login tables only is no backup of this program: nothing is replaced.
    void loginTablesOnlyAreRefused()
    {
        QTemporaryDir source;
        const QString partial = source.filePath(QStringLiteral("data.db"));
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("partial"));
            db.setDatabaseName(partial);
            QVERIFY(db.open());
            QSqlQuery q(db);
            QVERIFY(q.exec(QStringLiteral("create table Bs_User (autoid integer primary key, UserId text, UserName text, Password text)")));
            QVERIFY(q.exec(QStringLiteral("create table Bs_SysSet (SysNoteId int, MenuType int, ProgId text)")));
            QVERIFY(q.exec(QStringLiteral("insert into Bs_User (UserId) values ('admin')")));
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("partial"));
        const QString archive = m_folder->file(QStringLiteral("backup/login-only.bak"));
        QVERIFY(ZipFileLists({partial}, archive, QStringLiteral("vorp")).ok);
        const QByteArray before = fileBytes(m_folder->databasePath());

        const RestoreResult result = RestoreDatabase(archive, CurAdo);
        QCOMPARE(result.outcome, RestoreResult::ArchiveRefused);
        QVERIFY2(result.reason.contains(QStringLiteral("p_notelist"), Qt::CaseInsensitive) || result.reason.contains(QStringLiteral("缺少")),
                 qPrintable(result.reason));
        QCOMPARE(fileBytes(m_folder->databasePath()), before);
        QVERIFY(CurAdo.isOpen());
        QVERIFY(SelTableIntValue(CurAdo, QStringLiteral("select count(*) from p_NoteList")) >= 0);
    }

    // A restore keeps the mode of the database file.
    void restoreKeepsTheFileMode()
    {
        const QString archive = m_folder->file(QStringLiteral("backup/mode.bak"));
        QVERIFY(BackupDatabase(MainDatabaseFile(), archive).ok);
        const QFile::Permissions mode = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser | QFile::ReadGroup;
        QVERIFY(QFile::setPermissions(m_folder->databasePath(), mode));
        QCOMPARE(RestoreDatabase(archive, CurAdo).outcome, RestoreResult::Restored);
        QCOMPARE(QFileInfo(m_folder->databasePath()).permissions(), mode);
        QCOMPARE(filesBelow(m_folder->file(QStringLiteral("data"))), QStringList{QStringLiteral("data.db")});
    }

    // What an interrupted run leaves is gone at the next start; an interrupted restore whose
    // database file was lost gets its safety copy back.
    void leftoversAreRemovedAtStart_data()
    {
        QTest::addColumn<bool>("databaseLost");
        QTest::newRow("database intact") << false;
        QTest::newRow("database lost in the restore") << true;
    }

    void leftoversAreRemovedAtStart()
    {
        QFETCH(bool, databaseLost);
        insertUser(CurAdo, QStringLiteral("原来的"));
        CurAdo.close();
        const QString database = m_folder->databasePath();
        QVERIFY(QFile::copy(database, database + QStringLiteral(".before-restore")));
        if (databaseLost)
            writeFileIn(database, "half a file");
        writeFileIn(m_folder->file(QStringLiteral("tmp/backup-Ab12Cd/data.db")), fileBytes(database + QStringLiteral(".before-restore")));
        writeFileIn(m_folder->file(QStringLiteral("images/.cheque.jpg.old-x1Y2z3")), "old picture");
        writeFileIn(m_folder->file(QStringLiteral("data/.unzip-Q1w2E3")), "part of a restore");
        writeFileIn(m_folder->file(QStringLiteral("backup/.202401011200.bak.k3j4h5")), "part of a backup");

        ResolveInterruptedRestore();
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("start"));
        QVERIFY(OpenDatabaseFile(db, database));
        RemoveLeftovers(db);
        QVERIFY(!SqlTableIsEmpty(db, QStringLiteral("select 1 from Bs_User where UserId = ?"), {QStringLiteral("原来的")}));
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("start"));

        const QStringList left = filesBelow(m_folder->path());
        QVERIFY2(!left.contains(QStringLiteral("data/data.db.before-restore")), qPrintable(left.join(' ')));
        for (const QString &file : left)
            QVERIFY2(!file.startsWith(QLatin1String("tmp/")) && !QFileInfo(file).fileName().startsWith(QLatin1Char('.')), qPrintable(file));
        QVERIFY(left.contains(QStringLiteral("data/data.db")));
        m_folder->openDatabase();
    }
};

QTEST_MAIN(HonestBackups)
#include "tst_honestbackups.moc"
