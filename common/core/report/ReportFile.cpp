#include "core/report/ReportFile.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <array>
#include <utility>

namespace {

const QString kFormatName = QStringLiteral("QuilletReport");

const std::array<std::pair<ReportBandKind, const char *>, 6> kBandNames{{
    {ReportBandKind::ReportTitle, "title"},
    {ReportBandKind::PageHeader, "pageHeader"},
    {ReportBandKind::MasterData, "masterData"},
    {ReportBandKind::DetailData, "detailData"},
    {ReportBandKind::Summary, "summary"},
    {ReportBandKind::PageFooter, "pageFooter"},
}};

const std::array<std::pair<ReportItemKind, const char *>, 4> kItemNames{{
    {ReportItemKind::Text, "text"},
    {ReportItemKind::Line, "line"},
    {ReportItemKind::Rectangle, "rectangle"},
    {ReportItemKind::Picture, "picture"},
}};

const std::array<std::pair<Qt::Alignment, const char *>, 3> kHorizontalNames{{
    {Qt::AlignLeft, "left"},
    {Qt::AlignHCenter, "center"},
    {Qt::AlignRight, "right"},
}};

const std::array<std::pair<Qt::Alignment, const char *>, 3> kVerticalNames{{
    {Qt::AlignTop, "top"},
    {Qt::AlignVCenter, "middle"},
    {Qt::AlignBottom, "bottom"},
}};

const std::array<std::pair<int, char>, 4> kFrameLetters{{
    {FrameLeft, 'L'}, {FrameTop, 'T'}, {FrameRight, 'R'}, {FrameBottom, 'B'}}};

[[noreturn]] void refuse(const QString &why)
{
    throw ReportFileError(QStringLiteral("报表文件格式错误：%1").arg(why));
}

template <class Table, class Value>
QString nameOf(const Table &table, Value value)
{
    for (const auto &[candidate, name] : table)
        if (candidate == value)
            return QString::fromLatin1(name);
    return {};
}

template <class Table>
auto valueOf(const Table &table, const QString &name, const char *what)
{
    for (const auto &[value, candidate] : table)
        if (name == QLatin1String(candidate))
            return value;
    refuse(QStringLiteral("%1 \"%2\"").arg(QString::fromLatin1(what), name));
}

double number(const QJsonObject &object, const char *key, double fallback)
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (value.isUndefined())
        return fallback;
    if (!value.isDouble())
        refuse(QString::fromLatin1(key));
    return value.toDouble();
}

QString text(const QJsonObject &object, const char *key, const QString &fallback = {})
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (value.isUndefined())
        return fallback;
    if (!value.isString())
        refuse(QString::fromLatin1(key));
    return value.toString();
}

QString frameText(int frame)
{
    QString letters;
    for (const auto &[side, letter] : kFrameLetters)
        if (frame & side)
            letters.append(QLatin1Char(letter));
    return letters;
}

int frameFromText(const QString &letters)
{
    int frame = FrameNone;
    for (const QChar c : letters) {
        bool known = false;
        for (const auto &[side, letter] : kFrameLetters)
            if (c == QLatin1Char(letter)) {
                frame |= side;
                known = true;
            }
        if (!known)
            refuse(QStringLiteral("frame \"%1\"").arg(letters));
    }
    return frame;
}

QJsonObject itemToJson(const ReportItem &item)
{
    QJsonObject object;
    object.insert(QStringLiteral("kind"), nameOf(kItemNames, item.kind));
    object.insert(QStringLiteral("x"), item.rect.x());
    object.insert(QStringLiteral("y"), item.rect.y());
    object.insert(QStringLiteral("width"), item.rect.width());
    object.insert(QStringLiteral("height"), item.rect.height());
    object.insert(QStringLiteral("text"), item.text);
    object.insert(QStringLiteral("font"), item.font);
    object.insert(QStringLiteral("align"), nameOf(kHorizontalNames, item.alignment & Qt::AlignHorizontal_Mask));
    object.insert(QStringLiteral("valign"), nameOf(kVerticalNames, item.alignment & Qt::AlignVertical_Mask));
    object.insert(QStringLiteral("frame"), frameText(item.frame));
    object.insert(QStringLiteral("lineWidth"), item.lineWidth);
    object.insert(QStringLiteral("format"), item.format);
    return object;
}

ReportItem itemFromJson(const QJsonObject &object)
{
    ReportItem item;
    item.kind = valueOf(kItemNames, text(object, "kind"), "item kind");
    item.rect = QRectF(number(object, "x", 0), number(object, "y", 0), number(object, "width", 0),
                       number(object, "height", 0));
    item.text = text(object, "text");
    item.font = text(object, "font", item.font);
    item.alignment = valueOf(kHorizontalNames, text(object, "align", QStringLiteral("left")), "align")
                     | valueOf(kVerticalNames, text(object, "valign", QStringLiteral("top")), "valign");
    item.frame = frameFromText(text(object, "frame"));
    item.lineWidth = number(object, "lineWidth", item.lineWidth);
    item.format = text(object, "format");
    return item;
}

} // namespace

QByteArray ReportDefinitionToJson(const ReportDefinition &definition)
{
    QJsonObject page;
    page.insert(QStringLiteral("width"), definition.page.width);
    page.insert(QStringLiteral("height"), definition.page.height);
    page.insert(QStringLiteral("leftMargin"), definition.page.leftMargin);
    page.insert(QStringLiteral("topMargin"), definition.page.topMargin);
    page.insert(QStringLiteral("rightMargin"), definition.page.rightMargin);
    page.insert(QStringLiteral("bottomMargin"), definition.page.bottomMargin);

    QJsonArray bands;
    for (const ReportBand &band : definition.bands) {
        QJsonArray items;
        for (const ReportItem &item : band.items)
            items.append(itemToJson(item));
        QJsonObject object;
        object.insert(QStringLiteral("kind"), nameOf(kBandNames, band.kind));
        object.insert(QStringLiteral("height"), band.height);
        object.insert(QStringLiteral("dataSet"), band.dataSet);
        object.insert(QStringLiteral("items"), items);
        bands.append(object);
    }

    QJsonObject root;
    root.insert(QStringLiteral("format"), kFormatName);
    root.insert(QStringLiteral("version"), kReportFileVersion);
    root.insert(QStringLiteral("page"), page);
    root.insert(QStringLiteral("bands"), bands);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

ReportDefinition ReportDefinitionFromJson(const QByteArray &json)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        refuse(error.errorString());
    const QJsonObject root = document.object();
    if (root.value(QStringLiteral("format")).toString() != kFormatName)
        refuse(QStringLiteral("format"));
    const int version = root.value(QStringLiteral("version")).toInt(0);
    if (version < 1 || version > kReportFileVersion)
        throw ReportFileError(QStringLiteral("报表文件的版本%1不能读取").arg(version));

    ReportDefinition definition;
    const QJsonObject page = root.value(QStringLiteral("page")).toObject();
    definition.page.width = number(page, "width", definition.page.width);
    definition.page.height = number(page, "height", definition.page.height);
    definition.page.leftMargin = number(page, "leftMargin", definition.page.leftMargin);
    definition.page.topMargin = number(page, "topMargin", definition.page.topMargin);
    definition.page.rightMargin = number(page, "rightMargin", definition.page.rightMargin);
    definition.page.bottomMargin = number(page, "bottomMargin", definition.page.bottomMargin);
    if (definition.page.width <= 0 || definition.page.height <= 0)
        refuse(QStringLiteral("page"));

    for (const QJsonValue &bandValue : root.value(QStringLiteral("bands")).toArray()) {
        const QJsonObject object = bandValue.toObject();
        const ReportBandKind kind = valueOf(kBandNames, text(object, "kind"), "band kind");
        if (definition.band(kind))
            refuse(QStringLiteral("band \"%1\" twice").arg(text(object, "kind")));
        ReportBand &band = definition.ensureBand(kind);
        band.height = number(object, "height", band.height);
        if (band.height < 0)
            refuse(QStringLiteral("height"));
        band.dataSet = text(object, "dataSet");
        for (const QJsonValue &itemValue : object.value(QStringLiteral("items")).toArray())
            band.items.append(itemFromJson(itemValue.toObject()));
    }
    return definition;
}

ReportDefinition LoadReportFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ReportFileError(QStringLiteral("不能读取报表文件%1：%2").arg(path, file.errorString()));
    return ReportDefinitionFromJson(file.readAll());
}

void SaveReportFile(const QString &path, const ReportDefinition &definition)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(ReportDefinitionToJson(definition)) < 0 || !file.commit())
        throw ReportFileError(QStringLiteral("不能保存报表文件%1：%2").arg(path, file.errorString()));
}

ReportDefinition EmptyReportDefinition(const QStringList &dataSetAliases)
{
    ReportDefinition definition;
    definition.ensureBand(ReportBandKind::ReportTitle).height = 30;
    definition.ensureBand(ReportBandKind::PageHeader).height = 10;
    definition.ensureBand(ReportBandKind::MasterData).dataSet = dataSetAliases.value(0);
    if (dataSetAliases.size() > 1) {
        ReportBand &detail = definition.ensureBand(ReportBandKind::DetailData);
        detail.height = 8;
        detail.dataSet = dataSetAliases.value(1);
    }
    definition.ensureBand(ReportBandKind::Summary).height = 10;
    definition.ensureBand(ReportBandKind::PageFooter).height = 10;
    return definition;
}
