#pragma once

#include <QList>
#include <QRectF>
#include <QString>
#include <Qt>

// A free-form report: a page and its bands, each band a strip of items. Lengths are
// millimetres; item rectangles count from their band's top-left corner inside the margins.

enum class ReportItemKind { Text, Line, Rectangle, Picture };

// Which sides of an item's rectangle carry a frame line.
enum ReportFrameSide { FrameNone = 0, FrameLeft = 1, FrameTop = 2, FrameRight = 4, FrameBottom = 8, FrameAll = 15 };

struct ReportItem
{
    ReportItemKind kind = ReportItemKind::Text;
    QRectF rect;
    // Text: literal text with references in brackets ([出货单."客户名称"], [页码], [SUM(明细."金额")]).
    // Picture: a file below the program folder, or one field reference holding the image bytes.
    QString text;
    QString font = QStringLiteral("宋体;10;;;;");
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
    int frame = FrameNone;
    double lineWidth = 0.2;
    // Display format of the values a text refers to ("0.00", "#,##0.00", "yyyy-MM-dd").
    QString format;

    bool operator==(const ReportItem &) const = default;
};

// Page header and footer repeat on every page; the report title opens the first page (above
// the page header), the summary closes the last. A master band prints once per row of its data
// set, the detail band once per row of its own data set after each master row.
enum class ReportBandKind { ReportTitle, PageHeader, MasterData, DetailData, Summary, PageFooter };

struct ReportBand
{
    ReportBandKind kind = ReportBandKind::MasterData;
    double height = 10;
    QString dataSet;  // alias of the data set a data band runs over
    QList<ReportItem> items;

    bool operator==(const ReportBand &) const = default;
};

struct ReportPageSetup
{
    double width = 210;
    double height = 297;
    double leftMargin = 10;
    double topMargin = 10;
    double rightMargin = 10;
    double bottomMargin = 10;

    double printableWidth() const { return width - leftMargin - rightMargin; }
    bool operator==(const ReportPageSetup &) const = default;
};

struct ReportDefinition
{
    ReportPageSetup page;
    QList<ReportBand> bands;  // at most one of each kind, in the order of ReportBandKind

    const ReportBand *band(ReportBandKind kind) const;
    ReportBand *band(ReportBandKind kind);
    // The band of that kind, added in its place when missing.
    ReportBand &ensureBand(ReportBandKind kind);
    void removeBand(ReportBandKind kind);

    bool operator==(const ReportDefinition &) const = default;
};

// Every band kind in print order, and the names users see.
QList<ReportBandKind> AllReportBandKinds();
QString ReportBandCaption(ReportBandKind kind);
bool IsReportDataBand(ReportBandKind kind);
