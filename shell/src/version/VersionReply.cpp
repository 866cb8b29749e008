#include "version/VersionReply.h"

#include <QRegularExpression>
#include <QStringList>

namespace {

QString iniValue(const QString &text, const QString &section, const QString &key, const QString &fallback)
{
    bool inSection = false;
    const QStringList lines = text.split(QRegularExpression(QStringLiteral("\r\n|\n|\r")));
    for (QString line : lines) {
        line = line.trimmed();
        if (line.startsWith('[') && line.endsWith(']')) {
            inSection = line.mid(1, line.size() - 2).trimmed().compare(section, Qt::CaseInsensitive) == 0;
            continue;
        }
        if (!inSection || line.startsWith(';'))
            continue;
        const qsizetype equals = line.indexOf('=');
        if (equals > 0 && line.left(equals).trimmed().compare(key, Qt::CaseInsensitive) == 0)
            return line.mid(equals + 1).trimmed();
    }
    return fallback;
}

// Splits a decimal text into its integer digits and fraction digits, without leading zeros in
// the one and trailing zeros in the other.
std::optional<std::pair<QString, QString>> decimalParts(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d*)(?:\\.(\\d*))?$"));
    const QString trimmed = text.trimmed();
    const QRegularExpressionMatch match = pattern.match(trimmed);
    if (!match.hasMatch() || trimmed.isEmpty() || trimmed == QLatin1String("."))
        return std::nullopt;
    QString whole = match.captured(1);
    QString fraction = match.captured(2);
    while (whole.startsWith('0'))
        whole.remove(0, 1);
    while (fraction.endsWith('0'))
        fraction.chop(1);
    return std::make_pair(whole, fraction);
}

} // namespace

WebVersionInfo ParseVersionReply(const QString &reply)
{
    if (reply.isEmpty())
        return {};
    const QString zero = QStringLiteral("0");
    return {iniValue(reply, QStringLiteral("update"), QStringLiteral("Version"), zero),
            iniValue(reply, QStringLiteral("update"), QStringLiteral("NoteCount"), zero),
            iniValue(reply, QStringLiteral("update"), QStringLiteral("Updatedate"), zero)};
}

std::optional<int> CompareDecimalText(const QString &a, const QString &b)
{
    const auto left = decimalParts(a);
    const auto right = decimalParts(b);
    if (!left || !right)
        return std::nullopt;
    if (left->first.size() != right->first.size())
        return left->first.size() < right->first.size() ? -1 : 1;
    if (const int whole = left->first.compare(right->first); whole != 0)
        return whole < 0 ? -1 : 1;
    const qsizetype width = std::max(left->second.size(), right->second.size());
    const int fraction = left->second.leftJustified(width, '0').compare(right->second.leftJustified(width, '0'));
    return fraction == 0 ? 0 : (fraction < 0 ? -1 : 1);
}

VersionPaneState DecideVersionPane(const WebVersionInfo &web, const QString &localVersion)
{
    const QString webVersion = web.version.trimmed();
    const std::optional<int> webAgainstZero = CompareDecimalText(webVersion, QStringLiteral("0"));
    if (!webAgainstZero || *webAgainstZero == 0)
        return {QStringLiteral("获取最新版本失败"), 0};
    // A local version that is not a number cannot be confirmed current: offer the download.
    const std::optional<int> order = CompareDecimalText(webVersion, localVersion.trimmed());
    if (!order || *order > 0)
        return {QStringLiteral("最新版本：%1,双击下载").arg(web.version), 1};
    return {QStringLiteral("网络单据数:%1,更新日期:%2").arg(web.noteCount, web.updateDate), 2};
}
