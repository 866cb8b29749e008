// Two programs on one database: a restore in one is refused while the other runs, and bills
// saved by both at the same moment are all kept.
#include "BuiltFolders.h"
#include "MessageScript.h"
#include "SqliteShell.h"
#include "TestProgramFolder.h"

#include "backup/DatabaseBackup.h"
#include "backup/TRestoreForm.h"
#include "core/db/AdoFunc.h"
#include "core/db/DatabaseUseLock.h"
#include "core/db/MainDatabase.h"
#include "core/globals/PubDm.h"
#include "startup/TMainDMForm.h"

#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

#include <sys/stat.h>

namespace {

// The system's list of file locks names the process holding one on the file.
bool lockedBy(const QString &path, qint64 pid)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return false;
    QFile locks(QStringLiteral("/proc/locks"));
    if (!locks.open(QIODevice::ReadOnly))
        return false;
    const QString inode = QStringLiteral(":%1").arg(quint64(info.st_ino));
    for (const QByteArray &line : locks.readAll().split('\n')) {
        const QStringList parts = QString::fromLatin1(line).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        // "1: FLOCK  ADVISORY  READ  <pid> <major>:<minor>:<inode> 0 EOF"
        if (parts.size() >= 6 && parts[1] == QLatin1String("FLOCK") && parts[4].toLongLong() == pid
            && parts[5].endsWith(inode))
            return true;
    }
    return false;
}

} // namespace

class TestDatabaseInUse : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestProgramFolder> m_folder;
    TMainDMForm *m_dataModule = nullptr;

    QString stored(const QString &sql) { return SqliteShellRows(m_folder->databasePath(), sql).join(QLatin1Char('\n')); }

private Q_SLOTS:
    void init()
    {
        m_folder = std::make_unique<TestProgramFolder>();
        // This test is one of the programs: it opens the database as the program starts.
        m_dataModule = new TMainDMForm(qApp);
        QCOMPARE(OpenMainDatabase(*m_dataModule), QString());
        CurAdo = m_dataModule->conADOConn;
    }

    void cleanup()
    {
        CurAdo = QSqlDatabase();
        delete m_dataModule;
        m_dataModule = nullptr;
        m_folder.reset();
    }

    void restoreIsRefusedWhileAnotherProgramRuns()
    {
        const QString archive = m_folder->file(QStringLiteral("backup/marked.bak"));
        ExecTmpQuery(CurAdo, QStringLiteral("insert into Bs_ProdList (PartNo, PartName, Unit) values ('MARK', '标记', '个')"));
        QVERIFY(BackupDatabase(MainDatabaseFile(), archive));
        ExecTmpQuery(CurAdo, QStringLiteral("delete from Bs_ProdList where PartNo = 'MARK'"));

        // The other program waits at its login, its database open.
        QProcess other;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QUILLET_HOME"), m_folder->path());
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        other.setProcessEnvironment(environment);
        other.start(BuiltProgramFolder() + QStringLiteral("/Quillet"), {});
        QVERIFY(other.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(lockedBy(MainDatabaseFile() + QStringLiteral(".lock"), other.processId()), 60000);

        MessageScript messages;
        TRestoreForm form;
        form.edtFile->setText(archive);
        form.BtnOk->click();
        QCOMPARE(messages.texts(), QStringList{QStringLiteral("数据恢复失败！") + DatabaseUseLock::OtherProgramRunningText()});
        QCOMPARE(stored(QStringLiteral("select count(*) from Bs_ProdList where PartNo = 'MARK'")), QStringLiteral("0"));
        QCOMPARE(other.state(), QProcess::Running);

        // Once the other program is gone, the same restore goes through.
        other.kill();
        QVERIFY(other.waitForFinished());
        messages.clear();
        form.BtnOk->click();
        QCOMPARE(messages.texts(), QStringList{QStringLiteral("数据恢复成功！")});
        QCOMPARE(stored(QStringLiteral("select count(*) from Bs_ProdList where PartNo = 'MARK'")), QStringLiteral("1"));
    }

    // Each program waits for the other's short write lock instead of refusing its save.
    void billsSavedByTwoProgramsAtOnceAreAllKept()
    {
        const int bills = 40;
        QList<std::shared_ptr<QProcess>> savers;
        for (const QString &word : {QStringLiteral("甲"), QStringLiteral("乙")}) {
            auto saver = std::make_shared<QProcess>();
            saver->start(BuildFolder() + QStringLiteral("/tests/faultdriver"),
                         {QStringLiteral("savebills"), m_folder->path(), QString::number(bills), word});
            savers.append(saver);
        }
        for (const auto &saver : savers) {
            QVERIFY(saver->waitForFinished(240000));
            const QString said = QString::fromUtf8(saver->readAllStandardOutput()).trimmed();
            QCOMPARE(said, QStringLiteral("SAVED %1 FAILED 0").arg(bills));
        }
        QCOMPARE(stored(QStringLiteral("select count(*), count(distinct Refno) from 出货单")),
                 QStringLiteral("%1|%1").arg(2 * bills));
        QCOMPARE(stored(QStringLiteral("select count(*) from 出货单明细 d join 出货单 h on h.Refno = d.Refno")),
                 QString::number(2 * bills * 3));
        for (const QString &word : {QStringLiteral("甲"), QStringLiteral("乙")})
            QCOMPARE(stored(QStringLiteral("select count(*) from 出货单 where 收货单位 like '%1%'").arg(word)), QString::number(bills));
    }
};

QTEST_MAIN(TestDatabaseInUse)
#include "tst_databaseinuse.moc"
