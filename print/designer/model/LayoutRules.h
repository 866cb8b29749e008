#pragma once

#include "designer/model/DesignSelection.h"
#include "designer/model/PlacedControl.h"

#include <optional>

// How the selected fields are lined up and sized, and how a copy and the arrow keys place them.
// Every rectangle is in picture pixels; no size goes below 1 pixel.

enum class AlignMode { Left = 1, Right = 2, Top = 3, Bottom = 4 };
enum class SizeMode { Width = 1, Height = 2 };
enum class PasteMode { Right = 0, Below = 1 };
enum class ArrowKey { Left, Right, Up, Down };

// `own` lined up with `reference` (the first-selected field's stored rectangle).
QRect AlignedRect(AlignMode mode, const QRect &reference, const QRect &own);

// The control whose size the others take: the most recently created selected one.
std::optional<PlacedControl> EqualSizeReference(const PlacedControls &controls, const DesignSelection &selection);

// `own` with the reference's width or height.
QRect EqualSizedRect(SizeMode mode, const QRect &reference, const QRect &own);

// Where the copy of `source` goes: touching its right edge, or its bottom edge.
QRect PastedRect(PasteMode mode, const QRect &source);

// One pixel moved (Ctrl+arrow) or one pixel wider, narrower, taller or shorter (Shift+arrow).
QRect NudgedRect(ArrowKey key, const QRect &rect);
QRect ResizedRect(ArrowKey key, const QRect &rect);

// A rectangle whose width and height are at least 1 pixel.
QRect AtLeastOnePixel(const QRect &rect);
