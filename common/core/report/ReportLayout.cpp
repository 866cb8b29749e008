#include "core/report/ReportLayout.h"

#include "core/dataset/DataField.h"
#include "core/dataset/DisplayFormat.h"
#include "core/money/Currency.h"
#include "core/report/ReportData.h"
#include "core/report/ReportText.h"

#include <QDir>
#include <QHash>

namespace {

constexpr double kTolerance = 1e-6;

// Where a band goes and which rows its texts see.
struct Placement
{
    const ReportBand *band = nullptr;
    int page = 0;
    double y = 0;
    QHash<QString, int> currentRow;  // lower-case alias -> row; absent: no band ran over it yet
    int line = 0;
};

QString aliasKey(const QString &alias)
{
    return alias.trimmed().toLower();
}

class BandPlacer
{
public:
    BandPlacer(const ReportDefinition &definition, const ReportData &data) : m_definition(definition), m_data(data)
    {
        const ReportBand *footer = definition.band(ReportBandKind::PageFooter);
        m_bodyBottom = definition.page.height - definition.page.bottomMargin - (footer ? footer->height : 0);
    }

    QList<Placement> run()
    {
        m_y = m_definition.page.topMargin;
        place(ReportBandKind::ReportTitle);
        place(ReportBandKind::PageHeader);
        const ReportBand *master = m_definition.band(ReportBandKind::MasterData);
        const ReportBand *detail = m_definition.band(ReportBandKind::DetailData);
        const int masterRows = master ? rowsOf(*master) : 1;
        for (int i = 0; i < masterRows; ++i) {
            if (master)
                placeBody(*master, i);
            if (!detail)
                continue;
            const int detailRows = rowsOf(*detail);
            for (int j = 0; j < detailRows; ++j)
                placeBody(*detail, j);
        }
        if (const ReportBand *summary = m_definition.band(ReportBandKind::Summary))
            placeBody(*summary, -1);
        endPage();
        return m_placements;
    }

private:
    // A data band without a data set prints once.
    int rowsOf(const ReportBand &band) const
    {
        return band.dataSet.trimmed().isEmpty() ? 1 : m_data.rowCount(band.dataSet);
    }

    void place(ReportBandKind kind)
    {
        if (const ReportBand *band = m_definition.band(kind)) {
            m_placements.append({band, m_page, m_y, m_currentRow, 0});
            m_y += band->height;
        }
    }

    // `row` of the band's data set (-1: a band over no row). The page breaks before the row
    // becomes current, so the footer of the full page still sees the previous one.
    void placeBody(const ReportBand &band, int row)
    {
        if (m_hasBody && m_y + band.height > m_bodyBottom + kTolerance) {
            endPage();
            ++m_page;
            m_y = m_definition.page.topMargin;
            m_hasBody = false;
            place(ReportBandKind::PageHeader);
        }
        if (row >= 0)
            m_currentRow.insert(aliasKey(band.dataSet), row);
        m_placements.append({&band, m_page, m_y, m_currentRow, row + 1});
        m_y += band.height;
        m_hasBody = true;
    }

    void endPage()
    {
        if (const ReportBand *footer = m_definition.band(ReportBandKind::PageFooter))
            m_placements.append({footer, m_page, m_bodyBottom, m_currentRow, 0});
    }

    const ReportDefinition &m_definition;
    const ReportData &m_data;
    double m_bodyBottom = 0;
    double m_y = 0;
    int m_page = 0;
    bool m_hasBody = false;
    QHash<QString, int> m_currentRow;
    QList<Placement> m_placements;
};

// The texts of one placed band.
class ReferenceValues
{
public:
    ReferenceValues(const ReportData &data, const Placement &placement, int pageCount, const ReportLayoutOptions &options)
        : m_data(data), m_placement(placement), m_pageCount(pageCount), m_options(options)
    {
    }

    std::optional<QString> text(const ReportReference &reference, const QString &format) const
    {
        switch (reference.kind) {
        case ReportReference::Field: {
            const DataField *field = m_data.field(reference.alias, reference.name);
            if (!field)
                return std::nullopt;
            const QVariant value = m_data.value(reference.alias, field, currentRow(reference.alias));
            return formatDisplay(field->kind(), value, format.isEmpty() ? field->displayFormat() : format);
        }
        case ReportReference::Sum:
            return sum(reference, format);
        case ReportReference::Variable:
            return variable(reference.name, format);
        }
        return std::nullopt;
    }

    QVariant fieldValue(const ReportReference &reference) const
    {
        const DataField *field = m_data.field(reference.alias, reference.name);
        return field ? m_data.value(reference.alias, field, currentRow(reference.alias)) : QVariant();
    }

private:
    int currentRow(const QString &alias) const { return m_placement.currentRow.value(aliasKey(alias), 0); }

    // Over the rows up to the data set's current one; over all of them before any band ran
    // over the data set (so a title can show the total). Amounts add up exactly.
    std::optional<QString> sum(const ReportReference &reference, const QString &format) const
    {
        const DataField *field = m_data.field(reference.alias, reference.name);
        if (!field)
            return std::nullopt;
        const auto current = m_placement.currentRow.constFind(aliasKey(reference.alias));
        const int last = current == m_placement.currentRow.constEnd() ? m_data.rowCount(reference.alias) - 1 : *current;
        if (field->kind() == FieldKind::Float) {
            double total = 0;
            for (int row = 0; row <= last; ++row)
                total += m_data.value(reference.alias, field, row).toDouble();
            return formatDisplay(FieldKind::Float, total, format);
        }
        Currency total;
        for (int row = 0; row <= last; ++row) {
            const QVariant value = m_data.value(reference.alias, field, row);
            if (value.isNull())
                continue;
            if (value.metaType() == QMetaType::fromType<Currency>())
                total += value.value<Currency>();
            else
                total += Currency::parse(value.toString()).value_or(Currency());
        }
        if (field->kind() == FieldKind::Integer && format.isEmpty())
            return QString::number(total.units() / Currency::kScale);
        return formatDisplay(FieldKind::Currency, QVariant::fromValue(total), format);
    }

    std::optional<QString> variable(const QString &name, const QString &format) const
    {
        if (name == ReportPageVariable())
            return QString::number(m_placement.page + 1);
        if (name == ReportPageCountVariable())
            return QString::number(m_pageCount);
        if (name == ReportDateVariable())
            return m_options.now.date().toString(format.isEmpty() ? QStringLiteral("yyyy-MM-dd") : format);
        if (name == ReportTimeVariable())
            return m_options.now.time().toString(format.isEmpty() ? QStringLiteral("hh:mm:ss") : format);
        if (name == ReportLineVariable())
            return QString::number(m_placement.line);
        return m_data.variable(name);
    }

    const ReportData &m_data;
    const Placement &m_placement;
    int m_pageCount;
    const ReportLayoutOptions &m_options;
};

QImage pictureOf(const ReportItem &item, const ReferenceValues &values, const ReportLayoutOptions &options)
{
    const QList<ReportReference> references = ReportTextReferences(item.text);
    if (references.size() == 1 && references.first().kind == ReportReference::Field)
        return QImage::fromData(values.fieldValue(references.first()).toByteArray());
    if (item.text.trimmed().isEmpty())
        return {};
    return QImage(QDir(options.pictureFolder).filePath(item.text.trimmed()));
}

} // namespace

LaidOutReport LayOutReport(const ReportDefinition &definition, const ReportData &data, const ReportLayoutOptions &options)
{
    const QList<Placement> placements = BandPlacer(definition, data).run();
    LaidOutReport report;
    report.page = definition.page;
    report.pages.resize(placements.isEmpty() ? 1 : placements.last().page + 1);
    const int pageCount = int(report.pages.size());
    for (const Placement &placement : placements) {
        const ReferenceValues values(data, placement, pageCount, options);
        for (const ReportItem &item : placement.band->items) {
            PlacedReportItem placed;
            placed.item = item;
            placed.item.rect.translate(definition.page.leftMargin, placement.y);
            if (item.kind == ReportItemKind::Text)
                placed.item.text = ExpandReportText(item.text, [&values, &item](const ReportReference &reference) {
                    return values.text(reference, item.format);
                });
            else if (item.kind == ReportItemKind::Picture)
                placed.picture = pictureOf(item, values, options);
            report.pages[placement.page].items.append(placed);
        }
    }
    return report;
}
