#include "bills/pickers/PickResult.h"

namespace {

const QChar kComma = QLatin1Char(',');
const QChar kQuote = QLatin1Char('"');

QString quotedIfNeeded(const QString &value)
{
    if (!value.contains(kComma) && !value.startsWith(kQuote))
        return value;
    QString doubled = value;
    doubled.replace(kQuote, QStringLiteral("\"\""));
    return kQuote + doubled + kQuote;
}

} // namespace

QString JoinPickValues(const QStringList &values)
{
    QStringList pieces;
    pieces.reserve(values.size());
    for (const QString &value : values)
        pieces.append(quotedIfNeeded(value));
    return pieces.join(kComma);
}

QStringList SplitPickValues(const QString &text)
{
    QStringList values;
    if (text.isEmpty())
        return values;
    qsizetype at = 0;
    while (true) {
        QString value;
        if (at < text.size() && text.at(at) == kQuote) {
            // Quoted: up to the quote that is not doubled; anything up to the next comma after it
            // belongs to the value as well.
            ++at;
            while (at < text.size()) {
                if (text.at(at) == kQuote) {
                    if (at + 1 < text.size() && text.at(at + 1) == kQuote) {
                        value.append(kQuote);
                        at += 2;
                        continue;
                    }
                    ++at;
                    break;
                }
                value.append(text.at(at++));
            }
        }
        const qsizetype comma = text.indexOf(kComma, at);
        value.append(text.mid(at, comma < 0 ? -1 : comma - at));
        values.append(value);
        if (comma < 0)
            return values;
        at = comma + 1;
    }
}
