#include "bills/printing/PrintBoxes.h"

#include "core/convert/Convert.h"

#include <QStringList>

#include <cmath>

namespace {

constexpr int kDefaultDigitBoxes = 11;

// Box `slot` from the left of `count` boxes over `width`.
PrintBox box(int slot, int width, int count, QString text)
{
    const double cell = double(width) / count;
    return {int(std::nearbyint(slot * cell)), int(cell), std::move(text)};
}

// One entry per character, so a character outside the basic plane takes one box, not two.
QStringList Characters(const QString &text)
{
    QStringList characters;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        characters.append(text.mid(i, length));
        i += length;
    }
    return characters;
}

} // namespace

QList<PrintBox> DigitBoxes(Currency amount, int width, int count)
{
    const int n = count == 0 ? kDefaultDigitBoxes : count;
    QList<PrintBox> boxes;
    for (int place = 0; place < n; ++place)
        boxes.append(box(n - 1 - place, width, n, SmallmoneyStr(amount, place).trimmed()));
    return boxes;
}

QList<PrintBox> SpacedBoxes(const QString &text, int width, int count)
{
    const QStringList characters = Characters(text);
    QList<PrintBox> boxes;
    for (int slot = 0; slot < count; ++slot)
        boxes.append(box(slot, width, count, characters.value(slot)));
    return boxes;
}
