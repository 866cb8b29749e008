#pragma once

#include <QString>

#include <array>

// Alignment words of template fields: horizontal 居左, 居中, 居右; vertical 居上, 居中, 居下.
// Words are trimmed before they are compared; an unknown word means left or top.

// Alignment values of the display controls.
enum TAlignment { taLeftJustify = 0, taRightJustify = 1, taCenter = 2 };
// Vertical layout values of labels.
enum TTextLayout { tlTop = 0, tlCenter = 1, tlBottom = 2 };

// Item positions of the designer's choice lists: horizontal 居左, 居中, 居右; vertical 居中,
// 居上, 居下.
extern const std::array<TAlignment, 3> arrXAlignment;
extern const std::array<TTextLayout, 3> arrYAlignment;

// Text-drawing flags: one horizontal and one vertical flag added.
enum TextDrawFlag { DT_LEFT = 0, DT_CENTER = 1, DT_RIGHT = 2, DT_TOP = 0, DT_VCENTER = 4, DT_BOTTOM = 8 };

// Kind 0 is the only kind callers use: 居右 right, 居中 centre, anything else left.
TAlignment GetAlignByStr(const QString &word, int kind = 0);
TTextLayout GetLabelVLayoutByStr(const QString &word);
int GetAlignIntValueByStr(const QString &xWord, const QString &yWord);
