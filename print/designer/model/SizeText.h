#pragma once

#include <QString>

#include <optional>

// A position or size typed into the property panel: a whole number, or nothing while the text
// is not one (half-typed, empty). Widths and heights are at least 1 pixel.
std::optional<int> PositionFromText(const QString &text);
std::optional<int> SizeFromText(const QString &text);
