#include "TestProgramFolder.h"

#include "BuiltFolders.h"
#include "core/globals/PubDm.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QtTest>

namespace {
const char *const kFolders[] = {"data", "images", "icons", "ui", "xml", "xtr", "backup",
                                "Reports", "download", "upload", "tmp"};
const char *const kTestConnection = "quillet-test";
}

QString ShippedDatabasePath()
{
    return QStringLiteral(QUILLET_SHIPPED_DB);
}

TestProgramFolder::TestProgramFolder()
{
    if (!m_dir.isValid())
        qFatal("cannot create a temporary program folder");
    QDir root(m_dir.path());
    for (const char *folder : kFolders)
        root.mkpath(QString::fromLatin1(folder));
    if (!QFile::copy(QStringLiteral(QUILLET_SHIPPED_DB), databasePath()))
        qFatal("cannot copy the shipped database %s", QUILLET_SHIPPED_DB);
    QFile::setPermissions(databasePath(), QFile::ReadOwner | QFile::WriteOwner);
    qputenv("QUILLET_HOME", m_dir.path().toUtf8());
    sApplicationPath = path();
}

TestProgramFolder::~TestProgramFolder()
{
    if (CurAdo.isValid() && CurAdo.connectionName() == QLatin1String(kTestConnection)) {
        CurAdo.close();
        CurAdo = QSqlDatabase();
        QSqlDatabase::removeDatabase(QLatin1String(kTestConnection));
    }
    qunsetenv("QUILLET_HOME");
}

QString TestProgramFolder::path() const
{
    return m_dir.path() + '/';
}

QString TestProgramFolder::file(const QString &relative) const
{
    return QDir(m_dir.path()).filePath(relative);
}

QString TestProgramFolder::databasePath() const
{
    return file(QStringLiteral("data/data.db"));
}

void TestProgramFolder::openDatabase()
{
    if (CurAdo.isValid()) {
        CurAdo.close();
        const QString name = CurAdo.connectionName();
        CurAdo = QSqlDatabase();
        QSqlDatabase::removeDatabase(name);
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QLatin1String(kTestConnection));
    db.setDatabaseName(databasePath());
    if (!db.open())
        qFatal("cannot open the test database");
    CurAdo = db;
}

void TestProgramFolder::removeShippedFormats()
{
    QSqlQuery query(CurAdo);
    if (!query.exec(QStringLiteral("delete from p_NoteCntlList")) || !query.exec(QStringLiteral("delete from p_NoteList"))
        || !query.exec(QStringLiteral("delete from s_ui")))
        qFatal("cannot remove the shipped formats");
}

void TestProgramFolder::copyShippedFiles(const QString &folder)
{
    const QDir shipped(BuiltProgramFolder() + QLatin1Char('/') + folder);
    for (const QString &name : shipped.entryList(QDir::Files))
        if (!QFile::copy(shipped.filePath(name), file(folder + QLatin1Char('/') + name)))
            qFatal("cannot copy %s", qPrintable(shipped.filePath(name)));
}
