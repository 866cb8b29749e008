#include "core/report/ReportDefinition.h"

#include <algorithm>

const ReportBand *ReportDefinition::band(ReportBandKind kind) const
{
    for (const ReportBand &candidate : bands)
        if (candidate.kind == kind)
            return &candidate;
    return nullptr;
}

ReportBand *ReportDefinition::band(ReportBandKind kind)
{
    for (ReportBand &candidate : bands)
        if (candidate.kind == kind)
            return &candidate;
    return nullptr;
}

ReportBand &ReportDefinition::ensureBand(ReportBandKind kind)
{
    if (ReportBand *existing = band(kind))
        return *existing;
    const auto place = std::find_if(bands.begin(), bands.end(), [kind](const ReportBand &b) { return b.kind > kind; });
    ReportBand added;
    added.kind = kind;
    return *bands.insert(place, added);
}

void ReportDefinition::removeBand(ReportBandKind kind)
{
    bands.removeIf([kind](const ReportBand &b) { return b.kind == kind; });
}

QList<ReportBandKind> AllReportBandKinds()
{
    return {ReportBandKind::ReportTitle, ReportBandKind::PageHeader, ReportBandKind::MasterData,
            ReportBandKind::DetailData,  ReportBandKind::Summary,    ReportBandKind::PageFooter};
}

QString ReportBandCaption(ReportBandKind kind)
{
    switch (kind) {
    case ReportBandKind::ReportTitle:
        return QStringLiteral("报表标题");
    case ReportBandKind::PageHeader:
        return QStringLiteral("页眉");
    case ReportBandKind::MasterData:
        return QStringLiteral("主数据");
    case ReportBandKind::DetailData:
        return QStringLiteral("明细数据");
    case ReportBandKind::Summary:
        return QStringLiteral("报表合计");
    case ReportBandKind::PageFooter:
        return QStringLiteral("页脚");
    }
    return {};
}

bool IsReportDataBand(ReportBandKind kind)
{
    return kind == ReportBandKind::MasterData || kind == ReportBandKind::DetailData;
}
