#pragma once

// The 14 edit kinds of template fields. A template field stores the kind's name; the kind's
// index is its position in array_Component_EditType.

#include <QColor>
#include <QString>

#include <array>

inline constexpr int EditKindCount = 14;

extern const std::array<QString, EditKindCount> array_Component_EditType;
// Control class names kept with the kinds for stored templates; they do not match the kinds
// row by row and nothing chooses a control by them.
extern const std::array<QString, EditKindCount> array_Component_ControlType;

// The colour of a selected field's grips in the designer, by kind index. The grid kind (8)
// takes the tooltip background of the current palette. An index outside the kinds gives an
// invalid colour.
QColor PanelGripColor(int kindIndex);
