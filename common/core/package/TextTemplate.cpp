#include "core/package/TextTemplate.h"

#include <QList>
#include <algorithm>

namespace {
struct Replacement
{
    qsizetype position;
    qsizetype length;
    QString value;
};

bool IsXmlChar(char32_t c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD)
        || (c >= 0x10000 && c <= 0x10FFFF);
}
} // namespace

QString FillTextTemplate(const QString &text, const TemplateValues &values)
{
    std::vector<Replacement> replacements;
    for (const auto &[placeholder, value] : values) {
        const qsizetype at = text.indexOf(placeholder);
        if (at >= 0)
            replacements.push_back({at, placeholder.size(), value});
    }
    std::sort(replacements.begin(), replacements.end(),
              [](const Replacement &a, const Replacement &b) { return a.position < b.position; });
    QString filled;
    qsizetype done = 0;
    for (const Replacement &r : replacements) {
        if (r.position < done)
            continue; // overlaps a placeholder already replaced
        filled += QStringView(text).mid(done, r.position - done);
        filled += r.value;
        done = r.position + r.length;
    }
    filled += QStringView(text).mid(done);
    return filled;
}

QString XmlText(const QString &text)
{
    QString escaped;
    escaped.reserve(text.size());
    for (const char32_t c : text.toUcs4()) {
        switch (c) {
        case '&': escaped += QLatin1String("&amp;"); break;
        case '<': escaped += QLatin1String("&lt;"); break;
        case '>': escaped += QLatin1String("&gt;"); break;
        case '"': escaped += QLatin1String("&quot;"); break;
        case '\'': escaped += QLatin1String("&apos;"); break;
        case '\r': escaped += QLatin1String("&#13;"); break;
        default:
            if (IsXmlChar(c))
                escaped += QString::fromUcs4(&c, 1);
            break;
        }
    }
    return escaped;
}
