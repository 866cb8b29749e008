#pragma once

#include <QColor>

// Colours of the main page. Stored colour numbers are the platform's: red in the low byte.
inline QColor PlatformColor(unsigned value)
{
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

inline QColor TabColumnColor() { return PlatformColor(14452499); }
inline QColor TabColor() { return PlatformColor(16758302); }
inline QColor IconAreaColor() { return PlatformColor(16776189); }
inline QColor TabHoverColor() { return QColor(0xFF, 0xFF, 0x00); }
