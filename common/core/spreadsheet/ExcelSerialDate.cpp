#include "core/spreadsheet/ExcelSerialDate.h"

#include <cmath>

namespace {
constexpr qint64 msPerDay = 24 * 60 * 60 * 1000;
const QDate epoch1900(1899, 12, 30); // day 0 for serials from 61 on
const QDate epoch1904(1904, 1, 1);
const QDate lastDate(9999, 12, 31);

QDate dateOfDay(qint64 day, DateSystem system)
{
    if (system == DateSystem::From1904)
        return epoch1904.addDays(day);
    if (day < 1)
        return {};
    // Before the fictitious 1900-02-29 the count is one ahead; day 60 itself has no date
    // and reads as the 28th.
    return epoch1900.addDays(day < 60 ? day + 1 : day);
}
} // namespace

std::optional<SheetCell> CellFromSerial(double serial, SheetCell::Kind kind, DateSystem system)
{
    if (!std::isfinite(serial) || serial < 0 || serial > 3e6)
        return std::nullopt;
    const qint64 totalMs = qint64(std::nearbyint(serial * double(msPerDay)));
    const qint64 day = totalMs / msPerDay;
    const QTime time = QTime::fromMSecsSinceStartOfDay(int(totalMs % msPerDay));
    if (kind == SheetCell::Kind::Time)
        return SheetCell::time(time);
    const QDate date = dateOfDay(day, system);
    if (!date.isValid() || date > lastDate)
        return std::nullopt;
    if (kind == SheetCell::Kind::Date)
        return SheetCell::date(date);
    return SheetCell::dateTime(QDateTime(date, time));
}

std::optional<double> SerialFromCell(const SheetCell &cell)
{
    const QTime time = cell.timeValue();
    const double fraction = double(time.msecsSinceStartOfDay()) / double(msPerDay);
    if (cell.kind() == SheetCell::Kind::Time)
        return fraction;
    const QDate date = cell.dateValue();
    if (!date.isValid() || date < QDate(1900, 1, 1) || date > lastDate)
        return std::nullopt;
    qint64 day = epoch1900.daysTo(date);
    if (date < QDate(1900, 3, 1))
        --day;
    return double(day) + (cell.kind() == SheetCell::Kind::Date ? 0.0 : fraction);
}
