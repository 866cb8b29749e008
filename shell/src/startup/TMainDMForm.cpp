#include "startup/TMainDMForm.h"

#include "core/globals/ProgramFolder.h"

#include <QFileInfo>
#include <QUrl>
#include <QSqlQuery>

namespace {
const QString kConnectionName = QStringLiteral("Quillet");
const QString kConnectError = QStringLiteral("不能连接数据库，请检查数据库设置");
}

TMainDMForm::TMainDMForm(QObject *owner) : QObject(owner)
{
    conADOConn = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), kConnectionName);
}

TMainDMForm::~TMainDMForm()
{
    conADOConn.close();
    conADOConn = QSqlDatabase();
    QSqlDatabase::removeDatabase(kConnectionName);
}

QString OpenMainDatabase(TMainDMForm &dataModule)
{
    QSqlDatabase &db = dataModule.conADOConn;
    db.close();
    const QFileInfo file(ProgramFile(QStringLiteral("data/data.db")));
    if (!file.isFile() || !file.isReadable())
        return kConnectError;
    // mode=rw never creates a missing file.
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI"));
    QUrl uri = QUrl::fromLocalFile(file.absoluteFilePath());
    uri.setScheme(QStringLiteral("file"));
    db.setDatabaseName(uri.toString(QUrl::FullyEncoded) + QStringLiteral("?mode=rw"));
    if (!db.open())
        return kConnectError;
    // A file that is not a database (or not this program's, such as an empty file) opens fine
    // and fails at the first read.
    QSqlQuery probe(db);
    if (!probe.exec(QStringLiteral("select count(*) from Bs_User"))) {
        db.close();
        return kConnectError;
    }
    return QString();
}
