#pragma once

#include <QtGlobal>

// Bit n-1 of a 16-bit word (n counts from 1). Out-of-range n reads as clear and changes nothing.
bool IsIntegerDigValue1(quint16 word, int n);
quint16 SetWordDigValue(quint16 word, int n, bool set);
