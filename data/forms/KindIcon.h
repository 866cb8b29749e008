#pragma once

#include <QColor>
#include <QImage>
#include <QString>

// The 50 x 50 main-page icon of a bill kind: a sheet in the form's ink with its character.
QImage DrawKindIcon(const QColor &ink, const QString &glyph);
