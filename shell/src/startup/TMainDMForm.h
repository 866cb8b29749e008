#pragma once

#include <QObject>
#include <QSqlDatabase>

// Holds the one database connection of the process. Owned by the application; the main window
// closes the connection when it closes, a restore closes and reopens it.
class TMainDMForm : public QObject
{
    Q_OBJECT

public:
    explicit TMainDMForm(QObject *owner);
    ~TMainDMForm() override;

    QSqlDatabase conADOConn;
};

// Opens the program's database ("data/data.db" in the program folder) on the data module's
// connection. The file must exist and be a readable database; nothing is ever created. Returns
// the empty text on success, else "不能连接数据库，请检查数据库设置".
QString OpenMainDatabase(TMainDMForm &dataModule);
