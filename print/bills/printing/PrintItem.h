#pragma once

#include <QFont>
#include <QRect>
#include <QString>

// One text of a printed bill: drawn into its rectangle with the text-drawing flags of its
// alignment words (DT_LEFT/DT_CENTER/DT_RIGHT plus DT_TOP/DT_VCENTER/DT_BOTTOM).
struct PrintItem
{
    QString text;
    QRect rect;
    QFont font;
    int flags = 0;

    friend bool operator==(const PrintItem &, const PrintItem &) = default;
};
