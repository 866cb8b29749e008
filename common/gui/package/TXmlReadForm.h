#pragma once

#include <QSqlDatabase>
#include <QString>

// Reads template packages into the database, asking before it replaces a template of the same
// name.
class TXmlReadForm
{
public:
    explicit TXmlReadForm(const QSqlDatabase &db) : m_db(db) {}

    // Imports one package (or plain package XML) file. `noteName` becomes the imported template's
    // name, or stays empty when nothing was imported: the user kept the existing template, or the
    // import failed and changed nothing (no message). Raises PackageFormatError ("文件格式错误！")
    // for a file that is no usable package.
    void InputXmlFile(const QString &fileName, QString &noteName);

private:
    QSqlDatabase m_db;
};
