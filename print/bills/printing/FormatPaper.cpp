#include "bills/printing/FormatPaper.h"

#include <QPageSize>
#include <QPrinter>

#include <algorithm>
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
    const double shorter = std::min(paperInches.width(), paperInches.height());
    const double longer = std::max(paperInches.width(), paperInches.height());
    const QPageSize size(QSizeF(shorter, longer), QPageSize::Inch, QString(), QPageSize::ExactMatch);
    const auto orientation = paperInches.width() > paperInches.height() ? QPageLayout::Landscape : QPageLayout::Portrait;
    return QPageLayout(size, orientation, QMarginsF(0, 0, 0, 0), QPageLayout::Inch, QMarginsF(0, 0, 0, 0));
}

void ApplyFormatPaper(QPrinter &printer, QSizeF paperInches)
{
    printer.setFullPage(true);
    printer.setPageLayout(FormatPageLayout(paperInches));
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
