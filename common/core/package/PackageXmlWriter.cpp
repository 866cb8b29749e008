#include "core/package/PackageXmlWriter.h"

#include "core/db/AdoFunc.h"
#include "core/dbfun/TableFieldDef.h"
#include "core/errors/CorvaneError.h"
#include "core/globals/ProgramFolder.h"
#include "core/package/PackageColumns.h"
#include "core/package/TextTemplate.h"
#include "core/printfun/VariantText.h"
#include "core/template/TemplateColumns.h"
#include "core/template/TemplateStore.h"
#include "core/text/GbkCodec.h"

#include <QList>
#include <QDir>
#include <QFile>
#include <QFileInfo>

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

template <typename Row>
TemplateValues columnValues(const Row &row, const QList<PackageColumn> &columns,
                            const TemplateColumn<Row> &(*columnNamed)(const QString &))
{
    TemplateValues values;
    for (const PackageColumn &c : columns)
        values.append({c.placeholder, XmlText(VariantToStr(columnNamed(c.column).stored(row)))});
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
    const std::optional<TemplateDocument> document = LoadTemplate(db, noteName);
    if (!document)
        throw CorvaneError(QStringLiteral("找不到单据格式%1").arg(noteName));
    const TemplateNote &note = document->note;

    // The main table first, then each grid's own table, in field order.
    QStringList tables{note.dataTableName};
    QString components;
    for (const TemplateField &field : document->fields) {
        if (field.isGrid())
            tables.append(field.dbFieldName);
        components += FillTextTemplate(templates.component, columnValues(field, FieldRowColumns(), &FieldColumn));
    }
    tables.removeAll(QString());
    QString tableList;
    for (int i = 0; i < tables.size(); ++i)
        tableList += tableEntry(db, tables[i], i, templates);

    const QString imgFile = note.imgFile;
    const QString iconFile = note.smallpic;
    TemplateValues values = columnValues(note, TemplateRowColumns(), &NoteColumn);
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
