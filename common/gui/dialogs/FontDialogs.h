#pragma once

#include <QString>

class QWidget;

// Shows a font dialog preset from the font string; the chosen font as a font string, or the
// empty text on Cancel.
QString GetFontString(QWidget *owner, const QString &fontString);
