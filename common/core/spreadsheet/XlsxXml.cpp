#include "core/spreadsheet/XlsxXml.h"

#include "core/spreadsheet/SpreadsheetError.h"
#include "core/spreadsheet/ZipEntryDevice.h"

#include <QRegularExpression>

bool NextElement(QXmlStreamReader &xml)
{
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement)
            return true;
    }
    return false;
}

void RequireWellFormed(const QXmlStreamReader &xml)
{
    if (xml.hasError())
        throw SpreadsheetError::damaged();
    // The entry's checksum is only compared once it has been read to its end.
    if (auto *entry = dynamic_cast<ZipEntryDevice *>(xml.device())) {
        char buffer[4096];
        while (entry->read(buffer, sizeof buffer) > 0) {
        }
        if (entry->failed())
            throw SpreadsheetError::damaged();
    }
}

QString ReadStringItem(QXmlStreamReader &xml)
{
    QString text;
    int depth = 1;
    while (depth > 0 && !xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::StartElement:
            if (xml.name() == QLatin1String("t"))
                text += xml.readElementText();
            else if (xml.name() == QLatin1String("rPh"))
                xml.skipCurrentElement();
            else
                ++depth;
            break;
        case QXmlStreamReader::EndElement:
            --depth;
            break;
        default:
            break;
        }
    }
    return DecodeXmlEscapes(text);
}

QString DecodeXmlEscapes(const QString &text)
{
    if (!text.contains(QLatin1String("_x")))
        return text;
    static const QRegularExpression escape(QStringLiteral("_x([0-9A-Fa-f]{4})_"));
    QString decoded;
    qsizetype from = 0;
    for (const QRegularExpressionMatch &match : escape.globalMatch(text)) {
        decoded += QStringView(text).mid(from, match.capturedStart() - from);
        decoded += QChar(char16_t(match.captured(1).toUShort(nullptr, 16)));
        from = match.capturedEnd();
    }
    decoded += QStringView(text).mid(from);
    return decoded;
}
