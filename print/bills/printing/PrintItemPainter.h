#pragma once

#include "bills/printing/PrintItem.h"

#include <QList>

class QPainter;

// Qt's text flags for the text-drawing flags of an item. Texts always break at words, so the
// vertical flags have no effect: a text starts at the top of its rectangle. Like the platform
// call they mirror, the text is clipped to its rectangle.
int QtTextFlags(int drawFlags);

// Draws the items in order, each in its font, in black, at the painter's device resolution.
void DrawPrintItems(QPainter &painter, const QList<PrintItem> &items);
