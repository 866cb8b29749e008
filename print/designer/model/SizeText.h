#pragma once

#include <QString>

#include <optional>

// A position or size typed into the property panel: a whole number, or nothing while the text
// is not one (half-typed, empty). A number too long to hold is kept as ±1 000 000 000, so that
// the panel refuses it as too large instead of ignoring it. Whether the value may be stored is
// FieldGeometryFault's to say.
std::optional<int> NumberFromText(const QString &text);
