#include "startup/TMainDMForm.h"

#include "core/db/DatabaseUseLock.h"
#include "core/db/MainDatabase.h"
#include "core/dbfun/BillNumberIndex.h"
#include "core/files/Leftovers.h"

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
    DatabaseUseLock::release();
}

QString OpenMainDatabase(TMainDMForm &dataModule)
{
    // Only a program that has the database alone may put right what an interrupted run left
    // behind (a journal, staging files, tmp/): another one running may be using them.
    bool alone = false;
    DatabaseUseLock::holdShared(MainDatabaseFile(), &alone);
    if (alone)
        ResolveInterruptedRestore();
    if (!OpenDatabaseFile(dataModule.conADOConn, MainDatabaseFile()))
        return kConnectError;
    if (alone)
        RemoveLeftovers(dataModule.conADOConn);
    EnsureUniqueBillNumbers(dataModule.conADOConn);
    return {};
}
