#include "core/package/PackageXmlReader.h"

#include "core/package/PackageColumns.h"
#include "core/package/PackageFormatError.h"
#include "core/text/GbkCodec.h"

#include <QXmlStreamReader>

namespace {

QString text(QXmlStreamReader &xml)
{
    return xml.readElementText(QXmlStreamReader::ErrorOnUnexpectedElement);
}

// The text elements of the current element, by name.
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

} // namespace

PackageTemplate ReadPackageXml(const QByteArray &gbkXml)
{
    PackageTemplate package;
    QXmlStreamReader xml(fromGbk(gbkXml));
    if (!xml.readNextStartElement() || xml.name() != QLatin1String("PrintNote"))
        throw PackageFormatError();
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("Tables"))
            readList(xml, u"Table", [&] { package.tables.append(readTable(xml)); });
        else if (xml.name() == QLatin1String("Components"))
            readList(xml, u"Component", [&] { package.components.append(readRecord(xml)); });
        else if (xml.name() == QLatin1String("GridColumns"))
            xml.skipCurrentElement();
        else
            package.main.insert(xml.name().toString(), text(xml));
    }
    while (!xml.atEnd() && !xml.hasError())
        xml.readNext();
    if (xml.hasError())
        throw PackageFormatError();
    return package;
}
