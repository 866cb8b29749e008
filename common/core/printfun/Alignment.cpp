#include "core/printfun/Alignment.h"

const std::array<TAlignment, 3> arrXAlignment = {taLeftJustify, taCenter, taRightJustify};
const std::array<TTextLayout, 3> arrYAlignment = {tlCenter, tlTop, tlBottom};

namespace {
bool is(const QString &word, const char16_t *expected)
{
    return word.trimmed() == QStringView(expected);
}
}

TAlignment GetAlignByStr(const QString &word, int kind)
{
    Q_UNUSED(kind);
    if (is(word, u"居右"))
        return taRightJustify;
    if (is(word, u"居中"))
        return taCenter;
    return taLeftJustify;
}

TTextLayout GetLabelVLayoutByStr(const QString &word)
{
    if (is(word, u"居中"))
        return tlCenter;
    if (is(word, u"居下"))
        return tlBottom;
    return tlTop;
}

int GetAlignIntValueByStr(const QString &xWord, const QString &yWord)
{
    int flags = DT_LEFT;
    if (is(xWord, u"居右"))
        flags = DT_RIGHT;
    else if (is(xWord, u"居中"))
        flags = DT_CENTER;
    if (is(yWord, u"居中"))
        flags += DT_VCENTER;
    else if (is(yWord, u"居下"))
        flags += DT_BOTTOM;
    return flags;
}
