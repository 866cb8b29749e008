#include "bills/printing/FormatPaper.h"

#include "bills/printing/PaperScale.h"
#include "bills/printing/PrintTemplate.h"
#include "core/errors/CorvaneError.h"
#include "gui/dialogs/MessageBoxes.h"

#include <QPageSize>
#include <QPrinter>

#include <cmath>

namespace {

// Paper sizes come rounded from drivers: half a millimetre is no overhang.
constexpr double kToleranceMm = 0.5;
constexpr double kMmPerInch = 25.4;

int wholeMm(double inches)
{
    return int(std::nearbyint(inches * kMmPerInch));
}

} // namespace

QPageLayout FormatPageLayout(QSizeF paperInches)
{
    // A landscape layout over the turned size would reach a queue as the narrow paper plus a
    // rotation, and the form would come out turned onto it.
    const QPageSize size(paperInches, QPageSize::Inch, QString(), QPageSize::ExactMatch);
    // Millimetres are what the printer dialog shows the paper in.
    return QPageLayout(size, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter, QMarginsF(0, 0, 0, 0));
}

void ApplyFormatPaper(QPrinter &printer, QSizeF paperInches)
{
    printer.setFullPage(true);
    printer.setPageLayout(FormatPageLayout(paperInches));
}

QString ApplyStoredFormatPaper(const QSqlDatabase &db, const QString &noteName, QPrinter &printer)
{
    try {
        ApplyFormatPaper(printer, StoredPaperInches(LoadPrintTemplate(db, noteName)));
        return {};
    } catch (const CorvaneError &error) {
        return error.message();
    }
}

bool FollowFormatPaper(const QSqlDatabase &db, const QString &noteName, QPrinter &printer)
{
    const QString refusal = ApplyStoredFormatPaper(db, noteName, printer);
    if (refusal.isEmpty())
        return true;
    ShowMsgerror(refusal);
    return false;
}

QString PaperFitRefusal(const QString &noteName, QSizeF paperInches, const QPageLayout &page)
{
    const QSizeF paper = page.fullRect(QPageLayout::Millimeter).size();
    const QSizeF format = paperInches * kMmPerInch;
    if (format.width() <= paper.width() + kToleranceMm && format.height() <= paper.height() + kToleranceMm)
        return {};
    return QStringLiteral("单据格式“%1”需要%2 x %3毫米的纸张，所选纸张只有%4 x %5毫米，打印会被截断。请选择足够大的纸张或调整纸张方向。")
        .arg(noteName)
        .arg(wholeMm(paperInches.width()))
        .arg(wholeMm(paperInches.height()))
        .arg(int(std::nearbyint(paper.width())))
        .arg(int(std::nearbyint(paper.height())));
}
