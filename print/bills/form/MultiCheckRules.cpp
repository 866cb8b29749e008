#include "bills/form/MultiCheckRules.h"

#include "core/formula/WordBits.h"

namespace {

int integerOf(const QString &text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? value : 0;
}

quint16 wordOf(const QVariant &value)
{
    bool ok = false;
    const qint64 number = value.toString().trimmed().toLongLong(&ok);
    return ok ? quint16(number) : 0;
}

} // namespace

bool IsCaptionTicked(const QString &caption, const QString &fieldText)
{
    return caption.trimmed() == fieldText.trimmed();
}

bool IsBitTicked(const QVariant &fieldValue, const QString &caption)
{
    return IsIntegerDigValue1(wordOf(fieldValue), integerOf(caption));
}

qint64 BitTickValue(const QVariant &fieldValue, const QString &caption, bool ticked)
{
    return SetWordDigValue(wordOf(fieldValue), integerOf(caption), ticked);
}
