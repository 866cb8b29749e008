#pragma once

#include <QtGlobal>

// One window message as a receiver sees it. Both parameters are 64-bit, so a RefNo or a row id
// travels in full.
struct WindowMessage
{
    quint32 Msg = 0;
    qint64 WParam = 0;
    qint64 LParam = 0;
};
