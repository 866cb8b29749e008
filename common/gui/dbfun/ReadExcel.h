#pragma once

#include <QHash>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

// Imports a spreadsheet into a table (see ImportBillSheet) and tells the user why it did not:
// "当前导入的单据类型不正确" and a failing row's message give -1, "应先设置默认单据" gives 0,
// a file that cannot be read gives -1 without a message (the caller warns). Otherwise returns
// the number of rows imported and sets firstNumber to the first row's RefNo (with a bill
// kind) or row id.
int ReadExcel(const QSqlDatabase &db, const QString &kind, const QString &table, const QString &fileName,
              qint64 &firstNumber, const QHash<QString, QString> &columnOfTitle = {},
              const QStringList &keptColumns = {});
