#pragma once

#include <Qt>

// The keys the currency edit acts on, after the platform's key codes are mapped: Shift with
// "=" counts as the plus key, and without shift keys the "-" and "." keys count as the
// numeric-pad minus and decimal keys.
enum class TavEditKey { Other, Backspace, Delete, Plus, Minus, Decimal, End, Home, Left, Right, Up, Down };

TavEditKey TavEditKeyFromQt(int key, Qt::KeyboardModifiers modifiers);

// The shift keys of an event, without the numeric-pad marker.
Qt::KeyboardModifiers TavShiftKeys(Qt::KeyboardModifiers modifiers);
