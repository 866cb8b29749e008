#pragma once

#include <QString>

#include <optional>

// The calibration offsets of a format in millimetres, as the offset edits and the Ctrl+arrow
// nudges give them. On screen one pixel of page movement is 0.5 mm.

// The offset a typed text stands for: only "-", "." and digits, and a whole number; nothing
// for anything else (also while the user is half-way, as in "-" or "1."), so typing is silent.
// The value comes rounded to the 0.01 mm the format keeps.
std::optional<double> OffsetFromText(const QString &text);
// The offset of a text the clerk has finished with ("3." is 3 then); nothing when it is none.
std::optional<double> FinishedOffsetFromText(const QString &text);
// Only "-", "." and digits, at least one: a text that is meant as a number.
bool IsOffsetLikeText(const QString &text);

// Rounded to 0.01 mm, halves to the even neighbour.
double StoredOffset(double mm);

// The text the offset edits show: the shortest decimal form ("2.5", "-1", "0").
QString OffsetText(double mm);

enum class NudgeDirection { Left, Right, Up, Down };

struct PageOffset
{
    double xMm = 0;
    double yMm = 0;

    bool operator==(const PageOffset &) const = default;
};

// One Ctrl+arrow step: the page moves one screen pixel, 0.5 mm.
PageOffset NudgedOffset(PageOffset offset, NudgeDirection direction);
