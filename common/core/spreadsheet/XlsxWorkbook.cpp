#include "core/spreadsheet/XlsxWorkbook.h"

#include "core/spreadsheet/SpreadsheetError.h"
#include "core/spreadsheet/XlsxXml.h"

namespace {
QString targetOfType(const QHash<QString, XlsxPackage::Relationship> &relationships, QLatin1String type)
{
    for (const XlsxPackage::Relationship &relationship : relationships) {
        if (relationship.type == type)
            return relationship.target;
    }
    return {};
}

bool isTrue(QStringView value)
{
    return value == QLatin1String("1") || value == QLatin1String("true");
}
} // namespace

XlsxWorkbook::XlsxWorkbook(const QString &path) : m_package(path)
{
    m_workbookPart = targetOfType(m_package.relationships({}), QLatin1String("officeDocument"));
    if (m_workbookPart.isEmpty() || !m_package.hasPart(m_workbookPart))
        throw SpreadsheetError::notSpreadsheet(); // a zip, but no office document in it
    readWorkbookPart();
}

void XlsxWorkbook::readWorkbookPart()
{
    const QHash<QString, XlsxPackage::Relationship> relationships = m_package.relationships(m_workbookPart);
    m_sharedStringsPart = targetOfType(relationships, QLatin1String("sharedStrings"));
    m_stylesPart = targetOfType(relationships, QLatin1String("styles"));

    const std::unique_ptr<QIODevice> part = m_package.openPart(m_workbookPart);
    QXmlStreamReader xml(part.get());
    if (!NextElement(xml) || xml.name() != QLatin1String("workbook")) {
        RequireWellFormed(xml);
        throw SpreadsheetError::notSpreadsheet(); // a text document or a presentation
    }
    while (NextElement(xml)) {
        const QXmlStreamAttributes attributes = xml.attributes();
        if (xml.name() == QLatin1String("workbookPr")) {
            if (isTrue(attributes.value(QLatin1String("date1904"))))
                m_context.dateSystem = DateSystem::From1904;
        } else if (xml.name() == QLatin1String("sheet")) {
            QString relationshipId;
            for (const QXmlStreamAttribute &attribute : attributes) {
                if (attribute.name() == QLatin1String("id") && !attribute.namespaceUri().isEmpty())
                    relationshipId = attribute.value().toString();
            }
            m_sheetNames << attributes.value(QLatin1String("name")).toString();
            m_sheetParts << relationships.value(relationshipId).target;
        }
    }
    RequireWellFormed(xml);
}

void XlsxWorkbook::readSharedParts()
{
    if (!m_sharedStringsPart.isEmpty() && m_package.hasPart(m_sharedStringsPart)) {
        const std::unique_ptr<QIODevice> part = m_package.openPart(m_sharedStringsPart);
        QXmlStreamReader xml(part.get());
        while (NextElement(xml)) {
            if (xml.name() == QLatin1String("si"))
                m_context.sharedStrings << ReadStringItem(xml);
        }
        RequireWellFormed(xml);
    }
    if (!m_stylesPart.isEmpty() && m_package.hasPart(m_stylesPart))
        m_context.styles = XlsxStyles(m_package.openPart(m_stylesPart).get());
    m_sharedPartsRead = true;
}

std::unique_ptr<QIODevice> XlsxWorkbook::openSheetPart(int index)
{
    if (!m_sharedPartsRead)
        readSharedParts();
    const QString &sheetPart = m_sheetParts.at(index);
    if (sheetPart.isEmpty() || !m_package.hasPart(sheetPart))
        throw SpreadsheetError::damaged();
    return m_package.openPart(sheetPart);
}

SheetData XlsxWorkbook::readSheet(int index)
{
    return ReadXlsxSheet(openSheetPart(index).get(), m_context);
}

void XlsxWorkbook::readRows(int index, const SheetRowConsumer &consumer)
{
    ReadXlsxSheetRows(openSheetPart(index).get(), m_context, consumer);
}
