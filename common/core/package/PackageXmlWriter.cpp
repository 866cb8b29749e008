#include "core/package/PackageXmlWriter.h"

#include "core/db/AdoFunc.h"
#include "core/dbfun/TableFieldDef.h"
#include "core/errors/CorvaneError.h"
#include "core/globals/ProgramFolder.h"
#include "core/package/PackageColumns.h"
#include "core/package/TextTemplate.h"
#include "core/printfun/VariantText.h"
#include "core/template/EditKindIndex.h"
#include "core/text/GbkCodec.h"

#include <QList>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlRecord>

namespace {

QString readTemplate(const QString &relative)
{
    QFile file(ProgramFile(relative));
    if (!file.open(QIODevice::ReadOnly))
        throw CorvaneError(QStringLiteral("找不到文件%1").arg(QDir::toNativeSeparators(file.fileName())));
    return fromGbk(file.readAll());
}

// Every byte of the file as two upper-case hex digits; empty when there is no such file.
QString FileToHexStr(const QString &path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(file.readAll().toHex().toUpper());
}

QString pictureHex(const QString &folder, const QString &fileName)
{
    return fileName.isEmpty() ? QString() : FileToHexStr(ProgramFile(folder + QLatin1Char('/') + fileName));
}

QList<QVariantMap> rowsOf(const QSqlDatabase &db, const QString &sql, const QVariantList &params)
{
    QSqlQuery query = RunStatement(db, sql, params);
    QList<QVariantMap> rows;
    while (query.next()) {
        QVariantMap row;
        const QSqlRecord record = query.record();
        for (int i = 0; i < record.count(); ++i)
            row.insert(record.fieldName(i).toLower(), record.value(i));
        rows.append(row);
    }
    return rows;
}

QString textOf(const QVariantMap &row, const QString &column)
{
    return XmlText(VariantToStr(row.value(column.toLower())));
}

TemplateValues columnValues(const QVariantMap &row, const QList<PackageColumn> &columns)
{
    TemplateValues values;
    for (const PackageColumn &c : columns)
        values.append({c.placeholder, textOf(row, c.column)});
    return values;
}

QString tableEntry(const QSqlDatabase &db, const QString &table, int index, const PackageTextTemplates &templates)
{
    QString fields;
    for (const TableFieldDef &def : ReadTableFieldDefs(db, table)) {
        fields += FillTextTemplate(templates.fieldDef,
                                   {{QStringLiteral("**字段名称**"), XmlText(def.fieldName)},
                                    {QStringLiteral("**字段类型**"), XmlText(def.fieldType)},
                                    {QStringLiteral("**长度**"), QString::number(def.len)},
                                    {QStringLiteral("**字段生成类型**"), QString::number(def.type)},
                                    {QStringLiteral("**大写类型**"), XmlText(def.bigType)},
                                    {QStringLiteral("**小写类型**"), XmlText(def.smallType)},
                                    {QStringLiteral("**复选内容**"), XmlText(def.checkItems)}});
    }
    return FillTextTemplate(templates.table, {{QStringLiteral("**数据表名称**"), XmlText(table)},
                                              {QStringLiteral("**数据表类型**"), QString::number(index)},
                                              {QStringLiteral("##TableFieldsDef##"), fields}});
}

} // namespace

PackageTextTemplates LoadPackageTextTemplates()
{
    return {readTemplate(QStringLiteral("xml/main.txt")), readTemplate(QStringLiteral("xml/Complist.txt")),
            readTemplate(QStringLiteral("xml/Tables.txt")), readTemplate(QStringLiteral("xml/FieldDef.txt"))};
}

QString PackageXmlOfNote(const QSqlDatabase &db, const QString &noteName, const PackageTextTemplates &templates)
{
    const QList<QVariantMap> notes =
        rowsOf(db, QStringLiteral("select * from p_NoteList where NoteName = ?"), {noteName});
    if (notes.isEmpty())
        throw CorvaneError(QStringLiteral("找不到单据格式%1").arg(noteName));
    const QVariantMap &note = notes.first();

    // The main table first, then each grid's own table, in field order.
    QStringList tables{VariantToStr(note.value(QStringLiteral("datatablename")))};
    QString components;
    const QList<QVariantMap> fields = rowsOf(
        db, QStringLiteral("select * from p_NoteCntlList where RefNo = ? order by autoid"), {note.value(QStringLiteral("refno"))});
    for (const QVariantMap &field : fields) {
        if (VariantToStr(field.value(QStringLiteral("fieldedittype"))).trimmed() == EditKindName(ekGrid))
            tables.append(VariantToStr(field.value(QStringLiteral("dbfieldname"))));
        components += FillTextTemplate(templates.component, columnValues(field, FieldRowColumns()));
    }
    tables.removeAll(QString());
    QString tableList;
    for (int i = 0; i < tables.size(); ++i)
        tableList += tableEntry(db, tables[i], i, templates);

    const QString imgFile = VariantToStr(note.value(QStringLiteral("imgfile")));
    const QString iconFile = VariantToStr(note.value(QStringLiteral("smallpic")));
    TemplateValues values = columnValues(note, TemplateRowColumns());
    values += {
        {QStringLiteral("**单据分类2**"), QString()},
        {QStringLiteral("**背景图名称**"), XmlText(QFileInfo(imgFile).completeBaseName())},
        {QStringLiteral("**图标文件名称**"), XmlText(QFileInfo(iconFile).completeBaseName())},
        {QStringLiteral("**带数据表**"), QStringLiteral("1")},
        {QStringLiteral("**带图标**"), QStringLiteral("1")},
        {QStringLiteral("**带背景图**"), QStringLiteral("1")},
        {QStringLiteral("**背景图**"), pictureHex(QStringLiteral("images"), imgFile)},
        {QStringLiteral("**标识图**"), pictureHex(QStringLiteral("icons"), iconFile)},
        {QStringLiteral("##ComponentList##"), components},
        {QStringLiteral("##GridColumns##"), QString()},
        {QStringLiteral("##TableList##"), tableList},
    };
    return FillTextTemplate(templates.document, values);
}

QByteArray PackageXmlBytes(const QString &xml)
{
    if (fitsGbk(xml))
        return toGbk(xml);
    QString stored;
    stored.reserve(xml.size());
    for (const char32_t c : xml.toUcs4()) {
        const QString one = QString::fromUcs4(&c, 1);
        stored += c < 0x80 || fitsGbk(one) ? one : QStringLiteral("&#x%1;").arg(quint32(c), 0, 16);
    }
    return toGbk(stored);
}
