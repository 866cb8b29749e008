#pragma once

#include <QColor>
#include <QString>

// How a field control looks on the design page.
struct FieldLook
{
    QColor border;
    int borderWidth = 1;
    // Invalid when the kind is none of the edit kinds (no grip drawn).
    QColor grip;
    bool struckOut = false;
};

// A field of kind `kind`: magenta 1 pixel border, red 3 pixels when selected; the grip in the
// kind's colour, grey when the field is not printed; the caption struck out when the bill form
// does not show the field.
FieldLook FieldLookOf(const QString &kind, bool printed, bool shown, bool selected);
