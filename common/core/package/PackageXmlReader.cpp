#include "core/package/PackageXmlReader.h"

#include "core/package/PackageColumns.h"
#include "core/errors/CorvaneError.h"
#include "core/package/PackageFormatError.h"
#include "core/template/TemplateColumns.h"
#include "core/text/GbkCodec.h"

#include <QHash>
#include <QXmlStreamReader>

namespace {

QString text(QXmlStreamReader &xml)
{
    return xml.readElementText(QXmlStreamReader::ErrorOnUnexpectedElement);
}

// The text elements of one element, by name.
using PackageRecord = QHash<QString, QString>;

PackageRecord readRecord(QXmlStreamReader &xml)
{
    PackageRecord record;
    while (xml.readNextStartElement())
        record.insert(xml.name().toString(), text(xml));
    return record;
}

// The entries named `entry` of the current list element.
template <typename ReadEntry>
void readList(QXmlStreamReader &xml, QStringView entry, ReadEntry readEntry)
{
    while (xml.readNextStartElement()) {
        if (xml.name() != entry) {
            xml.raiseError();
            return;
        }
        readEntry();
    }
}

int number(const QString &value)
{
    return PackageValue(value, PackageValueKind::TrimmedInteger).toInt();
}

TableFieldDef fieldDefOf(const PackageRecord &record)
{
    TableFieldDef def;
    def.fieldName = record.value(QStringLiteral("FieldName"));
    def.fieldType = record.value(QStringLiteral("FieldType"));
    def.len = number(record.value(QStringLiteral("Len")));
    def.type = number(record.value(QStringLiteral("Type")));
    def.smallType = record.value(QStringLiteral("SmallType"));
    def.bigType = record.value(QStringLiteral("BigType"));
    def.checkItems = record.value(QStringLiteral("CheckItems"));
    return def;
}

PackageTable readTable(QXmlStreamReader &xml)
{
    PackageTable table;
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("FieldDef"))
            readList(xml, u"Field", [&] { table.fields.append(fieldDefOf(readRecord(xml))); });
        else if (xml.name() == QLatin1String("TableName"))
            table.tableName = text(xml);
        else if (xml.name() == QLatin1String("Type"))
            table.type = text(xml);
        else
            xml.skipCurrentElement();
    }
    return table;
}

// The row a record gives; a value its column cannot take (a font that is no font) makes the
// package unreadable.
template <typename Row>
Row rowOf(const PackageRecord &record, const QList<PackageColumn> &columns,
          const TemplateColumn<Row> &(*columnNamed)(const QString &))
{
    Row row;
    for (const PackageColumn &c : columns) {
        if (c.element.isEmpty())
            continue;
        try {
            columnNamed(c.column).load(row, PackageValue(record.value(c.element), c.kind));
        } catch (const PackageFormatError &) {
            throw;
        } catch (const CorvaneError &) {
            throw PackageFormatError();
        }
    }
    return row;
}

const QString kFlagSet = QStringLiteral("1");

PackageImage imageOf(const PackageRecord &main, const QString &flag, const QString &nameKey, const QString &hexKey)
{
    return {main.value(flag) == kFlagSet, main.value(nameKey), main.value(hexKey)};
}

} // namespace

PackageTemplate ReadPackageXml(const QByteArray &gbkXml)
{
    PackageTemplate package;
    PackageRecord main;
    QList<PackageRecord> components;
    QXmlStreamReader xml(fromGbk(gbkXml));
    if (!xml.readNextStartElement() || xml.name() != QLatin1String("PrintNote"))
        throw PackageFormatError();
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("Tables"))
            readList(xml, u"Table", [&] { package.tables.append(readTable(xml)); });
        else if (xml.name() == QLatin1String("Components"))
            readList(xml, u"Component", [&] { components.append(readRecord(xml)); });
        else if (xml.name() == QLatin1String("GridColumns"))
            xml.skipCurrentElement();
        else
            main.insert(xml.name().toString(), text(xml));
    }
    while (!xml.atEnd() && !xml.hasError())
        xml.readNext();
    if (xml.hasError())
        throw PackageFormatError();
    package.document.note = rowOf(main, TemplateRowColumns(), &NoteColumn);
    for (const PackageRecord &component : components)
        package.document.fields.append(rowOf(component, FieldRowColumns(), &FieldColumn));
    package.hasTables = main.value(QStringLiteral("HasTables")) == kFlagSet;
    package.picture = imageOf(main, QStringLiteral("HasBakImg"), QStringLiteral("imgName"), QStringLiteral("imgfile"));
    package.icon = imageOf(main, QStringLiteral("HasIcon"), QStringLiteral("img2Name"), QStringLiteral("smallpic"));
    return package;
}
