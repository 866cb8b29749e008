#include "startup/TMainDMForm.h"

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
}

QString OpenMainDatabase(TMainDMForm &dataModule)
{
    // Put right what an interrupted run left behind before anything reads the database.
    ResolveInterruptedRestore();
    if (!OpenDatabaseFile(dataModule.conADOConn, MainDatabaseFile()))
        return kConnectError;
    RemoveLeftovers(dataModule.conADOConn);
    EnsureUniqueBillNumbers(dataModule.conADOConn);
    return {};
}
