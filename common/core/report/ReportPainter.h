#pragma once

#include "core/report/ReportLayout.h"

class QPagedPaintDevice;
class QPainter;

// Paints one laid-out page on any painter whose origin is the paper's top-left corner. The
// scale comes from the device's logical resolution, so the same page lands at the same place
// on a printer, a PDF and a preview image (fonts keep their point sizes).
void PaintReportPage(QPainter &painter, const ReportPage &page);
// Paints one item alone (the designer draws its items this way too).
void PaintReportItem(QPainter &painter, const ReportItem &item, const QImage &picture = {});

// Prints every page as one document: the device's page size becomes the report's paper, with
// no margins. False when the device could not be painted on.
bool PrintReport(QPagedPaintDevice &device, const LaidOutReport &report);
