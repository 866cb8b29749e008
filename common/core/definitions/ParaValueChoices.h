#pragma once

#include <QStringList>
#include <QVariant>

// The values offered for a bs_ParaList row: 是 and 否 for a switch (Type 1), no list for free
// text.
QStringList ParaValueChoices(const QVariant &type);
