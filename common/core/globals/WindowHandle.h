#pragma once

#include <QtGlobal>

// A window as the message layer knows it: a number that is never reused, so a stale handle
// simply names no window.
using THandle = qint64;
constexpr THandle NoWindow = 0;
