#include "core/spreadsheet/XlsxStyles.h"

#include "core/spreadsheet/NumberFormatKind.h"
#include "core/spreadsheet/XlsxXml.h"

#include <QHash>

XlsxStyles::XlsxStyles(QIODevice *stylesPart)
{
    QHash<int, QString> customFormats;
    QList<int> formatIds;
    QXmlStreamReader xml(stylesPart);
    while (NextElement(xml)) {
        if (xml.name() == QLatin1String("numFmt")) {
            customFormats.insert(xml.attributes().value(QLatin1String("numFmtId")).toInt(),
                                 xml.attributes().value(QLatin1String("formatCode")).toString());
        } else if (xml.name() == QLatin1String("cellXfs")) {
            while (xml.readNextStartElement()) {
                if (xml.name() == QLatin1String("xf"))
                    formatIds << xml.attributes().value(QLatin1String("numFmtId")).toInt();
                xml.skipCurrentElement();
            }
        }
    }
    RequireWellFormed(xml);
    for (const int id : formatIds) {
        const auto custom = customFormats.constFind(id);
        m_kinds << (custom != customFormats.cend() ? KindOfNumberFormat(*custom) : KindOfBuiltInFormat(id));
    }
}

SheetCell::Kind XlsxStyles::kindOfStyle(int styleIndex) const
{
    return styleIndex >= 0 && styleIndex < m_kinds.size() ? m_kinds[styleIndex] : SheetCell::Kind::Number;
}
