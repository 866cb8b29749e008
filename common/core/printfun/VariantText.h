#pragma once

#include <QString>
#include <QVariant>

// The text form of a value; the empty text for a null value.
QString VariantToStr(const QVariant &value);
