#pragma once

#include <QDate>
#include <QStringList>

// The presets of the date list and the start date each gives; the end date is always today.
const QStringList &HistoryDatePresets();

// The start date of a preset for today; a null date for a text that is no preset.
QDate HistoryPresetStart(const QString &preset, const QDate &today);
