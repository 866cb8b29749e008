#include "PdfWords.h"

#include "ExternalTool.h"

#include <QRegularExpression>

namespace {
constexpr double kPointsPerMm = 72.0 / 25.4;

QString bboxText(const QString &pdf)
{
    const ToolRun run = runTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    if (run.exitCode != 0)
        qFatal("pdftotext failed: %s", run.errors.constData());
    return QString::fromUtf8(run.output);
}
} // namespace

QList<PdfWord> PdfWords(const QString &pdf)
{
    QList<PdfWord> words;
    int page = 0;
    static const QRegularExpression tag(QString::fromLatin1(
        R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    for (const QRegularExpressionMatch &m : tag.globalMatch(bboxText(pdf))) {
        if (m.captured(0).startsWith(QLatin1String("<page"))) {
            ++page;
            continue;
        }
        const QRectF points(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                            QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()));
        words.append({page, m.captured(5), QRectF(points.topLeft() / kPointsPerMm, points.size() / kPointsPerMm)});
    }
    return words;
}

int PdfPageCount(const QString &pdf)
{
    return int(bboxText(pdf).count(QLatin1String("<page ")));
}

QList<QSizeF> PdfPageSizes(const QString &pdf)
{
    QList<QSizeF> sizes;
    static const QRegularExpression tag(QString::fromLatin1(R"re(<page width="([\d.]+)" height="([\d.]+)")re"));
    for (const QRegularExpressionMatch &m : tag.globalMatch(bboxText(pdf)))
        sizes.append(QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()) / kPointsPerMm);
    return sizes;
}

QList<PdfInfoPage> PdfInfoPages(const QString &pdf)
{
    const ToolRun run = runTool(QStringLiteral("pdfinfo"), {QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                                                          QStringLiteral("100000"), pdf});
    if (run.exitCode != 0)
        qFatal("pdfinfo failed: %s", run.errors.constData());
    QList<PdfInfoPage> pages;
    static const QRegularExpression size(QString::fromLatin1(R"re(^Page\s+(\d+) size:\s+([\d.]+) x ([\d.]+) pts)re"),
                                         QRegularExpression::MultilineOption);
    static const QRegularExpression rotation(QString::fromLatin1(R"re(^Page\s+(\d+) rot:\s+(\d+))re"),
                                             QRegularExpression::MultilineOption);
    const QString text = QString::fromUtf8(run.output);
    for (const QRegularExpressionMatch &m : size.globalMatch(text))
        pages.append({QSizeF(m.captured(2).toDouble(), m.captured(3).toDouble()) / kPointsPerMm, 0});
    for (const QRegularExpressionMatch &m : rotation.globalMatch(text)) {
        const int page = m.captured(1).toInt();
        if (page >= 1 && page <= pages.size())
            pages[page - 1].rotation = m.captured(2).toInt();
    }
    return pages;
}
