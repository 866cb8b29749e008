#include "core/spreadsheet/XlsxPackage.h"

#include "core/spreadsheet/SpreadsheetError.h"
#include "core/spreadsheet/XlsxXml.h"
#include "core/spreadsheet/ZipEntryDevice.h"

#include <QDir>
#include <QXmlStreamReader>

#include <zip.h>

namespace {
QString folderOf(const QString &part)
{
    const qsizetype slash = part.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? QString() : part.left(slash);
}

QString relationshipsPart(const QString &part)
{
    const QString folder = folderOf(part);
    const QString name = part.mid(folder.isEmpty() ? 0 : folder.size() + 1);
    return (folder.isEmpty() ? QString() : folder + QLatin1Char('/')) + QStringLiteral("_rels/") + name
        + QStringLiteral(".rels");
}

QString resolve(const QString &folder, const QString &target)
{
    if (target.startsWith(QLatin1Char('/')))
        return QDir::cleanPath(target.mid(1));
    return QDir::cleanPath(folder.isEmpty() ? target : folder + QLatin1Char('/') + target);
}
} // namespace

XlsxPackage::XlsxPackage(const QString &path) : m_zip(path, ZIP_RDONLY)
{
    if (!m_zip.isOpen())
        throw SpreadsheetError::damaged();
}

bool XlsxPackage::hasPart(const QString &part) const
{
    return zip_name_locate(m_zip.get(), part.toUtf8().constData(), ZIP_FL_NOCASE) >= 0;
}

std::unique_ptr<QIODevice> XlsxPackage::openPart(const QString &part) const
{
    const zip_int64_t index = zip_name_locate(m_zip.get(), part.toUtf8().constData(), ZIP_FL_NOCASE);
    if (index < 0)
        throw SpreadsheetError::damaged();
    auto device = std::make_unique<ZipEntryDevice>(m_zip.get(), quint64(index));
    if (device->failed())
        throw SpreadsheetError::damaged();
    return device;
}

QHash<QString, XlsxPackage::Relationship> XlsxPackage::relationships(const QString &part) const
{
    QHash<QString, Relationship> found;
    const QString rels = relationshipsPart(part);
    if (!hasPart(rels))
        return found;
    const std::unique_ptr<QIODevice> device = openPart(rels);
    QXmlStreamReader xml(device.get());
    const QString folder = folderOf(part);
    while (NextElement(xml)) {
        if (xml.name() != QLatin1String("Relationship"))
            continue;
        const QXmlStreamAttributes attributes = xml.attributes();
        if (attributes.value(QLatin1String("TargetMode")) == QLatin1String("External"))
            continue;
        const QString type = attributes.value(QLatin1String("Type")).toString();
        found.insert(attributes.value(QLatin1String("Id")).toString(),
                     {type.mid(type.lastIndexOf(QLatin1Char('/')) + 1),
                      resolve(folder, attributes.value(QLatin1String("Target")).toString())});
    }
    RequireWellFormed(xml);
    return found;
}
