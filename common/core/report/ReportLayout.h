#pragma once

#include "core/report/ReportDefinition.h"

#include <QDateTime>
#include <QImage>
#include <QList>

class ReportData;

// One item where it lands: the rectangle in millimetres from the paper's top-left corner and,
// for a text, the text with every reference replaced; a picture item carries its image.
struct PlacedReportItem
{
    ReportItem item;
    QImage picture;
};

struct ReportPage
{
    QList<PlacedReportItem> items;
};

struct LaidOutReport
{
    ReportPageSetup page;
    QList<ReportPage> pages;
};

struct ReportLayoutOptions
{
    QDateTime now = QDateTime::currentDateTime();
    QString pictureFolder;  // picture file names are read below it
};

// Lays the report out once: the bands in print order with their fixed heights, a new page
// whenever the next band would run into the page footer (a band taller than a page is placed
// alone and cut), the page header and footer on every page. Texts see the rows of their band,
// the page number and the page count.
LaidOutReport LayOutReport(const ReportDefinition &definition, const ReportData &data,
                           const ReportLayoutOptions &options = {});
