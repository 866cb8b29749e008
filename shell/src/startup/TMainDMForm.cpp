#include "startup/TMainDMForm.h"

#include "core/db/MainDatabase.h"

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
    return OpenDatabaseFile(dataModule.conADOConn, MainDatabaseFile()) ? QString() : kConnectError;
}
