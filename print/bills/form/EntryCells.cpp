#include "bills/form/EntryCells.h"

#include <cmath>

QStringList SpacedStringSymbols(const QString &text, int cells)
{
    if (text.isEmpty())
        return {QString()};
    QStringList symbols;
    for (int i = text.size() - 1; i >= 0; --i)
        symbols.append(text.at(i));
    for (int i = int(text.size()); i < cells; ++i)
        symbols.append(QString());
    return symbols;
}

AmountBoxLook AmountBoxLookFor(double value, int cells, int decimals)
{
    const int integerCells = cells - decimals;
    AmountBoxLook look;
    look.overflow = value >= std::pow(10.0, integerCells);
    look.showSymbol = value < std::pow(10.0, integerCells - 1);
    return look;
}
