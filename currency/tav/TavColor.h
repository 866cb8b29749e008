#pragma once

#include <QColor>

// A colour given as the stored decimal value whose bytes, from low to high, are red, green and
// blue (255 is red, 16711680 is blue).
QColor TavColor(quint32 value);
