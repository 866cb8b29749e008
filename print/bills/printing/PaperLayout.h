#pragma once

#include "bills/printing/BillData.h"
#include "bills/printing/PaperScale.h"
#include "bills/printing/PrintItem.h"
#include "bills/printing/PrintTemplate.h"

#include <QList>
#include <QPoint>
#include <QPointF>

// The device a bill is printed on: its resolution, and the calibration offsets of the paper.
struct PaperTarget
{
    int dpiX = 0;
    int dpiY = 0;
    QPointF offsetMm;
};

// The scale of the template on that device. Refuses (PrintRefusal, or the picture's reading
// error) when the picture cannot be read or the stored paper size is unusable, so nothing is
// printed at a wrong scale.
PaperScale PaperScaleFor(const PrintTemplate &tpl, const PaperTarget &target);

// The texts of one bill in device pixels.
QList<PrintItem> PaperPrintItems(const PrintTemplate &tpl, const BillData &bill, const PaperTarget &target);

// Where the picture and the texts stand in a preview: the calibration offset in screen pixels
// (0.5 mm each), as the bill form moves its page.
QPoint PreviewOffset(const PrintTemplate &tpl);

// The texts of one bill over its picture at screen scale.
QList<PrintItem> PreviewPrintItems(const PrintTemplate &tpl, const BillData &bill);
