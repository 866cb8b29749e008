#pragma once

#include <QList>
#include <QRect>

// A field control on the design page as the layout rules see it: its Tag and its rectangle in
// picture pixels. Lists of them keep the page's creation order, oldest first.
struct PlacedControl
{
    int tag = 0;
    QRect rect;
};

using PlacedControls = QList<PlacedControl>;
