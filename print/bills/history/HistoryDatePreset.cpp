#include "bills/history/HistoryDatePreset.h"

#include "core/convert/DateFun.h"

const QStringList &HistoryDatePresets()
{
    static const QStringList presets = {QStringLiteral("今天"), QStringLiteral("最近三天"), QStringLiteral("最近一周"),
                                        QStringLiteral("最近一个月"), QStringLiteral("最近三个月"), QStringLiteral("最近一年"),
                                        QStringLiteral("本月内"), QStringLiteral("本年度内")};
    return presets;
}

QDate HistoryPresetStart(const QString &preset, const QDate &today)
{
    switch (HistoryDatePresets().indexOf(preset)) {
    case 0:
        return today;
    case 1:
        return today.addDays(-2);
    case 2:
        return today.addDays(-6);
    case 3:
        return PreMonthDate(today).addDays(1);
    case 4:
        return PreMonthDate(PreMonthDate(PreMonthDate(today))).addDays(1);
    case 5:
        // 29 February goes back to 28 February, so the year starts on 1 March.
        return today.addYears(-1).addDays(1);
    case 6:
        return QDate(today.year(), today.month(), 1);
    case 7:
        return QDate(today.year(), 1, 1);
    default:
        return {};
    }
}
