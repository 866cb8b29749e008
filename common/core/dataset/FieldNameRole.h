#pragma once

#include <Qt>

// Header data of a view's model that names the field a column is bound to.
inline constexpr int FieldNameRole = Qt::UserRole + 0x51;
