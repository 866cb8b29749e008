#include "core/formula/WordBits.h"

namespace {
bool inRange(int n)
{
    return n >= 1 && n <= 16;
}
}

bool IsIntegerDigValue1(quint16 word, int n)
{
    return inRange(n) && (word >> (n - 1)) & 1u;
}

quint16 SetWordDigValue(quint16 word, int n, bool set)
{
    if (!inRange(n))
        return word;
    const quint16 bit = quint16(1u << (n - 1));
    return set ? quint16(word | bit) : quint16(word & ~bit);
}
